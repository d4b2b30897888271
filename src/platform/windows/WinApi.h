// What the Windows files of the platform layer share: UTF-8 paths of the program turned into
// the UTF-16 paths of the W functions and back, Windows error codes as errno values, and kernel
// handles kept behind the int members of the portable headers.
// Only .cpp files of this folder include it, after <windows.h>, whose macros (CopyFile,
// DeleteFile, MoveFile, PlaySound) it takes back so that the program's own names stay usable.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#undef CopyFile
#undef DeleteFile
#undef MoveFile
#undef PlaySound
#undef CreateFolder

#include <cstdint>
#include <string>
#include <string_view>

namespace harbinet::win {

// UTF-16 from UTF-8 and back; invalid bytes become U+FFFD rather than cutting the text.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

// A path for the W file functions: "/" becomes "\", and an absolute path too long for the
// MAX_PATH limit gets the "\\?\" prefix (made absolute and without "." and ".." first, as that
// form takes names literally).
std::wstring PathW(std::string_view path);
// A path the system gave back, in the program's spelling: "/" separators, no "\\?\" prefix.
std::string PathFromW(std::wstring_view path);

// One argument of a command line, as the C runtime of the started program splits it again:
// quoted when it holds a blank or a quote or is empty, backslashes before a quote doubled.
std::wstring QuoteArgument(const std::wstring& arg);

// The errno value closest to a Windows error code (EIO for the unknown ones).
int ErrnoOf(DWORD error);
// GetLastError() as an errno value, also stored in errno for the callers that read it there.
int LastErrno();

// Nanoseconds since 1970 from a FILETIME-style count of 100 ns since 1601, and back.
std::int64_t NanosecondsFrom(std::uint64_t ticks);
std::int64_t NanosecondsFrom(const FILETIME& time);

// A function of a system library, the library loaded from System32 the first time; null where
// the system lacks it. The command-line program starts without user32, shell32, ole32 and winmm
// this way: their loading (fonts and window classes come with it) costs a start under Wine
// tens of milliseconds.
FARPROC SystemProcedure(const wchar_t* library, const char* name);
template <class Function>
Function* SystemFunction(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function*>(reinterpret_cast<void*>(SystemProcedure(library, name)));
}

// Kernel handles behind the int members of portable classes: a small positive number per
// handle, valid until Forget.
int Remember(HANDLE handle);
HANDLE Recall(int id);
void Forget(int id);  // closes the handle

// Owns a handle and closes it.
class Handle {
  public:
    explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
    ~Handle() { Close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE get() const { return h_; }
    bool ok() const { return h_ != INVALID_HANDLE_VALUE && h_ != nullptr; }
    void Reset(HANDLE h) {
        Close();
        h_ = h;
    }
    HANDLE Release() {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return h;
    }
    bool Close() {
        if (!ok()) return true;
        const BOOL closed = ::CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return closed != 0;
    }

  private:
    HANDLE h_;
};

}  // namespace harbinet::win
