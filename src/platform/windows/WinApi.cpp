#include "platform/windows/WinApi.h"

#include <cerrno>
#include <map>
#include <mutex>

namespace harbinet::win {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int size = static_cast<int>(utf8.size());
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, out.data(), n);
    return out;
}

std::string Narrow(std::wstring_view utf16) {
    if (utf16.empty()) return {};
    const int size = static_cast<int>(utf16.size());
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, utf16.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring PathW(std::string_view path) {
    std::wstring w = Widen(path);
    for (wchar_t& c : w)
        if (c == L'/') c = L'\\';
    // Folder functions stop 12 characters short of MAX_PATH; so does this.
    if (w.size() < MAX_PATH - 12 || w.rfind(L"\\\\?\\", 0) == 0) return w;
    const DWORD n = ::GetFullPathNameW(w.c_str(), 0, nullptr, nullptr);
    if (n == 0) return w;
    std::wstring full(n, L'\0');
    const DWORD used = ::GetFullPathNameW(w.c_str(), n, full.data(), nullptr);
    if (used == 0 || used >= n) return w;
    full.resize(used);
    if (full.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

std::string PathFromW(std::wstring_view path) {
    if (path.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        path.remove_prefix(8);
        std::string out = "//" + Narrow(path);
        for (char& c : out)
            if (c == '\\') c = '/';
        return out;
    }
    if (path.rfind(L"\\\\?\\", 0) == 0) path.remove_prefix(4);
    std::string out = Narrow(path);
    for (char& c : out)
        if (c == '\\') c = '/';
    return out;
}

FARPROC SystemProcedure(const wchar_t* library, const char* name) {
    HMODULE module = ::GetModuleHandleW(library);
    if (!module) module = ::LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return module ? ::GetProcAddress(module, name) : nullptr;
}

std::wstring QuoteArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

int ErrnoOf(DWORD error) {
    switch (error) {
        case ERROR_SUCCESS:
            return 0;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
        case ERROR_BAD_NETPATH:
        case ERROR_BAD_NET_NAME:
        case ERROR_MOD_NOT_FOUND:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_PRIVILEGE_NOT_HELD:
        case ERROR_CANNOT_MAKE:
            return EACCES;
        case ERROR_WRITE_PROTECT:
            return EROFS;
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
            return EEXIST;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_NOT_ENOUGH_MEMORY:
        case ERROR_OUTOFMEMORY:
            return ENOMEM;
        case ERROR_DIRECTORY:
            return ENOTDIR;
        case ERROR_DIR_NOT_EMPTY:
            return ENOTEMPTY;
        case ERROR_FILENAME_EXCED_RANGE:
            return ENAMETOOLONG;
        case ERROR_INVALID_NAME:
        case ERROR_INVALID_PARAMETER:
            return EINVAL;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        case ERROR_TOO_MANY_OPEN_FILES:
            return EMFILE;
        case ERROR_BAD_EXE_FORMAT:
        case ERROR_EXE_MACHINE_TYPE_MISMATCH:
            return ENOEXEC;
        default:
            return EIO;
    }
}

int LastErrno() {
    const int e = ErrnoOf(::GetLastError());
    errno = e;
    return e;
}

std::int64_t NanosecondsFrom(std::uint64_t ticks) {
    // 1601 to 1970 in 100 ns ticks.
    constexpr std::int64_t kEpoch = 116444736000000000LL;
    const std::int64_t since1970 = static_cast<std::int64_t>(ticks) - kEpoch;
    std::int64_t ns = 0;
    if (__builtin_mul_overflow(since1970, std::int64_t{100}, &ns))
        return since1970 < 0 ? INT64_MIN : INT64_MAX;
    return ns;
}

std::int64_t NanosecondsFrom(const FILETIME& time) {
    return NanosecondsFrom((static_cast<std::uint64_t>(time.dwHighDateTime) << 32) |
                           time.dwLowDateTime);
}

namespace {

std::mutex handlesMutex;
std::map<int, HANDLE> handles;
int nextHandleId = 1;

}  // namespace

int Remember(HANDLE handle) {
    std::lock_guard<std::mutex> lock(handlesMutex);
    const int id = nextHandleId++;
    handles[id] = handle;
    return id;
}

HANDLE Recall(int id) {
    std::lock_guard<std::mutex> lock(handlesMutex);
    const auto it = handles.find(id);
    return it == handles.end() ? INVALID_HANDLE_VALUE : it->second;
}

void Forget(int id) {
    HANDLE handle = INVALID_HANDLE_VALUE;
    {
        std::lock_guard<std::mutex> lock(handlesMutex);
        const auto it = handles.find(id);
        if (it == handles.end()) return;
        handle = it->second;
        handles.erase(it);
    }
    ::CloseHandle(handle);
}

}  // namespace harbinet::win
