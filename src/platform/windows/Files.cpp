// The file layer on Windows, on the W functions with UTF-8 paths converted explicitly. Copies
// and rewrites go through a hidden temporary file in the target's folder and MoveFileExW, so
// that a reader (or a crash) sees the old file or the new one, never a part of it. Folders are
// compared by volume and file index: Windows has no inode numbers.
#include "platform/windows/WinApi.h"
// After windows.h, whose CopyFile and DeleteFile macros WinApi.h takes back.
#include <bcrypt.h>
#include <winternl.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/Text.h"

// ntdll's answer to GetFileAttributesExW with the change time, which only it gives.
extern "C" NTSTATUS NTAPI NtQueryFullAttributesFile(POBJECT_ATTRIBUTES attributes,
                                                    PFILE_NETWORK_OPEN_INFORMATION information);

namespace harbinet::files {

namespace {

using win::Handle;
using win::PathW;

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// Attributes of a path, links not followed; INVALID_FILE_ATTRIBUTES when it is missing.
DWORD Attributes(const std::string& path) {
    return ::GetFileAttributesW(PathW(path).c_str());
}

bool IsFolder(DWORD a) {
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsRegular(DWORD a) {
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY) &&
           !(a & FILE_ATTRIBUTE_DEVICE);
}

// What a handle says of its file. The volume and file id (FileIdInfo) are asked for only where
// they are needed: Wine answers the volume serial through its mount manager, a round trip to
// another process for every file.
struct Info {
    FILE_BASIC_INFO basic{};
    FILE_STANDARD_INFO standard{};
    DWORD Attributes() const { return basic.FileAttributes; }
    bool IsFolder() const { return standard.Directory; }
    std::int64_t Size() const { return standard.EndOfFile.QuadPart; }
    FILETIME LastWrite() const {
        const auto t = static_cast<std::uint64_t>(basic.LastWriteTime.QuadPart);
        return FILETIME{static_cast<DWORD>(t & 0xFFFFFFFFu), static_cast<DWORD>(t >> 32)};
    }
};

bool InfoOf(HANDLE h, Info& info) {
    return ::GetFileInformationByHandleEx(h, FileBasicInfo, &info.basic, sizeof info.basic) &&
           ::GetFileInformationByHandleEx(h, FileStandardInfo, &info.standard,
                                          sizeof info.standard);
}

// False also for an id of zeros, which some network and shared-folder file systems give every
// file: taken for an id, it would make any two of their files one.
bool IdOf(HANDLE h, FILE_ID_INFO& id) {
    static constexpr unsigned char kNone[sizeof id.FileId.Identifier] = {};
    return ::GetFileInformationByHandleEx(h, FileIdInfo, &id, sizeof id) &&
           std::memcmp(id.FileId.Identifier, kNone, sizeof kNone) != 0;
}

// Where a folder has no id: its full name, letter case ignored, folded to 64 bits (never 0).
std::uint64_t IndexOfName(const std::string& path) {
    const std::wstring w = PathW(path.empty() ? std::string(".") : path);
    std::wstring full(::GetFullPathNameW(w.c_str(), 0, nullptr, nullptr), L'\0');
    full.resize(
        ::GetFullPathNameW(w.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr));
    while (full.size() > 3 && full.back() == L'\\') full.pop_back();
    std::wstring upper(full.size(), L'\0');
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, full.data(),
                    static_cast<int>(full.size()), upper.data(), static_cast<int>(upper.size()),
                    nullptr, nullptr, 0);
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const wchar_t c : upper) hash = (hash ^ static_cast<std::uint16_t>(c)) * 0x100000001b3ull;
    return hash | 1;
}

// The id folded to 64 bits, as stamps keep it.
std::uint64_t IndexOf(const FILE_ID_INFO& id) {
    std::uint64_t low = 0, high = 0;
    std::memcpy(&low, id.FileId.Identifier, 8);
    std::memcpy(&high, id.FileId.Identifier + 8, 8);
    return low ^ (high * 0x9E3779B97F4A7C15ull);
}

// True when two handles are of one file. The file's number without its volume (which ntdll
// gives without the mount manager) tells most files apart; only equal numbers are settled by
// volume and id.
bool SameFile(HANDLE a, HANDLE b) {
    IO_STATUS_BLOCK status;
    FILE_INTERNAL_INFORMATION na{}, nb{};
    if (::NtQueryInformationFile(a, &status, &na, sizeof na, FileInternalInformation) >= 0 &&
        ::NtQueryInformationFile(b, &status, &nb, sizeof nb, FileInternalInformation) >= 0 &&
        na.IndexNumber.QuadPart != nb.IndexNumber.QuadPart)
        return false;
    FILE_ID_INFO ia{}, ib{};
    return IdOf(a, ia) && IdOf(b, ib) && ia.VolumeSerialNumber == ib.VolumeSerialNumber &&
           std::memcmp(ia.FileId.Identifier, ib.FileId.Identifier, 16) == 0;
}

// Opens a path to look at it (folders too), following links unless told not to.
HANDLE OpenToLook(const std::string& path, bool followLinks = true) {
    return ::CreateFileW(
        PathW(path).c_str(), FILE_READ_ATTRIBUTES, kShareAll, nullptr, OPEN_EXISTING,
        FILE_FLAG_BACKUP_SEMANTICS | (followLinks ? 0 : FILE_FLAG_OPEN_REPARSE_POINT), nullptr);
}

// Opens a regular file for reading; anything else is refused with errno notRegular before a
// byte is read.
HANDLE OpenRegularFile(const std::string& path, Info& info, int notRegular = EINVAL) {
    const DWORD a = Attributes(path);
    if (a != INVALID_FILE_ATTRIBUTES && !IsRegular(a)) {
        errno = notRegular;
        return INVALID_HANDLE_VALUE;
    }
    Handle h(::CreateFileW(PathW(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING,
                           FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!h.ok()) {
        win::LastErrno();
        return INVALID_HANDLE_VALUE;
    }
    if (::GetFileType(h.get()) != FILE_TYPE_DISK || !InfoOf(h.get(), info) || info.IsFolder()) {
        errno = notRegular;
        return INVALID_HANDLE_VALUE;
    }
    return h.Release();
}

bool WriteAll(HANDLE h, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size, 1u << 30));
        DWORD written = 0;
        if (!::WriteFile(h, data, chunk, &written, nullptr) || written == 0) return false;
        data += written;
        size -= written;
    }
    return true;
}

// Reads up to size bytes, fewer only at the end of the file; -1 on an error.
long long ReadFull(HANDLE h, char* buffer, std::size_t size) {
    std::size_t got = 0;
    while (got < size) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(size - got, 1u << 30));
        DWORD n = 0;
        if (!::ReadFile(h, buffer + got, chunk, &n, nullptr)) return -1;
        if (n == 0) break;
        got += n;
    }
    return static_cast<long long>(got);
}

bool CopyData(HANDLE in, HANDLE out) {
    // One buffer per thread for all its copies: a fresh one costs a page fault per page.
    constexpr std::size_t kBuffer = 1 << 20;
    thread_local const std::unique_ptr<char[]> buffer(new char[kBuffer]);
    for (;;) {
        const long long n = ReadFull(in, buffer.get(), kBuffer);
        if (n < 0) return false;
        if (n == 0) return true;
        if (!WriteAll(out, buffer.get(), static_cast<std::size_t>(n))) return false;
    }
}

FileStamp::Type TypeOf(DWORD a) {
    using T = FileStamp::Type;
    return (a & FILE_ATTRIBUTE_REPARSE_POINT) ? T::Link
           : (a & FILE_ATTRIBUTE_DIRECTORY)   ? T::Folder
           : (a & FILE_ATTRIBUTE_DEVICE)      ? T::Other
                                              : T::File;
}

// The NT name of a path, as ntdll and renames through a handle take it.
std::wstring NtPath(const std::string& path) {
    UNICODE_STRING nt{};
    if (!::RtlDosPathNameToNtPathName_U(PathW(path).c_str(), &nt, nullptr, nullptr)) return {};
    std::wstring out(nt.Buffer, nt.Length / sizeof(wchar_t));
    ::RtlFreeUnicodeString(&nt);
    return out;
}

// The attributes, size and times of a path, a link not followed, without opening it.
bool QuickLook(const std::string& path, FILE_NETWORK_OPEN_INFORMATION& info) {
    std::wstring name = NtPath(path);
    if (name.empty()) return false;
    const auto bytes = static_cast<USHORT>(name.size() * sizeof(wchar_t));
    UNICODE_STRING nt{bytes, bytes, name.data()};
    OBJECT_ATTRIBUTES attributes;
    InitializeObjectAttributes(&attributes, &nt, OBJ_CASE_INSENSITIVE, nullptr, nullptr);
    return ::NtQueryFullAttributesFile(&attributes, &info) >= 0;
}

unsigned long long RandomNumber(int attempt) {
    unsigned long long r = 0;
    if (!BCRYPT_SUCCESS(::BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(&r), sizeof r,
                                          BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        r = (static_cast<unsigned long long>(::GetCurrentProcessId()) << 32) ^ ::GetTickCount64() ^
            static_cast<unsigned long long>(attempt);
    return r;
}

// A new, exclusive, hidden file in the folder, removed unless kept.
class TempFile {
  public:
    explicit TempFile(const std::string& folder) {
        for (int attempt = 0; attempt < 100 && !h_.ok(); ++attempt) {
            path_ = folder + TemporaryName(static_cast<long>(::GetCurrentProcessId()),
                                           RandomNumber(attempt));
            h_.Reset(::CreateFileW(PathW(path_).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE,
                                   FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_HIDDEN, nullptr));
            if (!h_.ok() && ::GetLastError() != ERROR_FILE_EXISTS) break;
        }
        if (!h_.ok()) {
            win::LastErrno();
            path_.clear();
        }
    }
    ~TempFile() {
        h_.Close();
        if (!path_.empty()) ::DeleteFileW(PathW(path_).c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool ok() const { return h_.ok(); }
    HANDLE handle() const { return h_.get(); }
    bool Close() { return h_.Close(); }
    const std::string& path() const { return path_; }
    void Keep() { path_.clear(); }  // moved into place: nothing left to remove

  private:
    Handle h_;
    std::string path_;
};

// Renames the open file to target through its handle: no second open of it by name.
bool RenameByHandle(HANDLE h, const std::string& target, bool replace) {
    const std::wstring name = NtPath(target);
    if (name.empty()) return errno = ENOENT, false;
    const std::size_t bytes = sizeof(FILE_RENAME_INFO) + name.size() * sizeof(wchar_t);
    std::unique_ptr<std::byte[]> buffer(new std::byte[bytes]());
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.get());
    info->ReplaceIfExists = replace;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(name.size() * sizeof(wchar_t));
    std::memcpy(info->FileName, name.data(), info->FileNameLength);
    if (!::SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(bytes)))
        return win::LastErrno(), false;
    return true;
}

// Moves the finished, still open temporary file into place; replace or not, durable or not. Its
// hidden attribute is dropped first and the target's own attributes (keep) and last-write time
// (when given) set, all through the handle. A durable move waits for the rename to be written.
bool PutInPlace(TempFile& temp, const std::string& target, bool replace, bool durable,
                DWORD keep = FILE_ATTRIBUTE_NORMAL, const FILETIME* lastWrite = nullptr) {
    FILE_BASIC_INFO basic{};  // times left 0 stay as they are
    basic.FileAttributes = keep ? keep : FILE_ATTRIBUTE_NORMAL;
    if (lastWrite)
        basic.LastWriteTime.QuadPart =
            static_cast<LONGLONG>((static_cast<std::uint64_t>(lastWrite->dwHighDateTime) << 32) |
                                  lastWrite->dwLowDateTime);
    if (!::SetFileInformationByHandle(temp.handle(), FileBasicInfo, &basic, sizeof basic))
        return win::LastErrno(), false;
    if (durable) {
        if (!::FlushFileBuffers(temp.handle()) || !temp.Close()) return win::LastErrno(), false;
        const DWORD flags = (replace ? MOVEFILE_REPLACE_EXISTING : 0) | MOVEFILE_WRITE_THROUGH;
        if (!::MoveFileExW(PathW(temp.path()).c_str(), PathW(target).c_str(), flags))
            return win::LastErrno(), false;
    } else if (!RenameByHandle(temp.handle(), target, replace)) {
        return false;
    }
    temp.Keep();
    // A close that fails (a network drive's late write) fails the move, though the file is in
    // place.
    return temp.Close() ? true : (win::LastErrno(), false);
}

enum class Replace { Always, Never };

bool CopyFileImpl(const std::string& source, const std::string& target, Replace replace,
                  bool durable) {
    Info src;
    Handle in(OpenRegularFile(source, src));
    if (!in.ok()) return false;

    FILE_NETWORK_OPEN_INFORMATION dst;
    if (QuickLook(target, dst)) {
        const DWORD a = dst.FileAttributes;
        if (replace == Replace::Never || !IsRegular(a) || (a & FILE_ATTRIBUTE_READONLY) ||
            (a & FILE_ATTRIBUTE_REPARSE_POINT))
            return false;
        // Only a target that looks like the source in every stamp may be the source itself.
        if (dst.EndOfFile.QuadPart == src.Size() &&
            dst.LastWriteTime.QuadPart == src.basic.LastWriteTime.QuadPart &&
            dst.ChangeTime.QuadPart == src.basic.ChangeTime.QuadPart) {
            Handle t(OpenToLook(target));
            if (t.ok() && SameFile(t.get(), in.get())) return false;
        }
    }

    TempFile temp(FolderOf(target));
    if (!temp.ok()) return false;
    if (!CopyData(in.get(), temp.handle())) return false;
    // Windows copies keep the last-write time; career stamps are compared against it.
    const FILETIME lastWrite = src.LastWrite();
    // The copy is writable even when its source was not, so that a read-only store never
    // blocks a later change.
    const DWORD keep =
        src.Attributes() & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE);
    return PutInPlace(temp, target, replace == Replace::Always, durable, keep, &lastWrite);
}

}  // namespace

// The entry as it is spelt on disk. Windows finds a name ignoring the case of its letters by
// itself and holds one entry of each name, so a search for the name alone gives its spelling
// without reading the whole folder.
std::string ResolveComponent(const std::string& folder, std::string_view name) {
    std::string exact = folder + std::string(name);
    if (name.empty() || name == "." || name == ".." ||
        name.find_first_of("*?") != std::string_view::npos)
        return exact;
    WIN32_FIND_DATAW data;
    HANDLE find = ::FindFirstFileExW(PathW(exact).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return exact;
    ::FindClose(find);
    const std::string found = win::Narrow(data.cFileName);
    return EqualIgnoringCase(found, name) ? folder + found : exact;
}

bool IsAbsolutePath(std::string_view path) {
    const auto separator = [](char c) { return c == '/' || c == '\\'; };
    if (!path.empty() && separator(path[0])) return true;
    return path.size() >= 3 && path[1] == ':' && separator(path[2]);
}

namespace {

// FindFiles with the system searching for `mask`: Wine looks at (stats) only the entries that
// match it. The search matches as the system does (a short name too), so the mask must take
// every name the pattern does; the pattern then picks by our rules.
std::vector<FoundFile> FindMasked(const std::string& folder, std::string_view pattern,
                                  std::string_view mask) {
    std::vector<FoundFile> found;
    if (pattern.empty()) return found;
    WIN32_FIND_DATAW data;
    const std::string all = (folder.empty() ? std::string("./") : folder) + std::string(mask);
    HANDLE find = ::FindFirstFileExW(PathW(all).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, 0);
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        const std::string name = win::Narrow(data.cFileName);
        if (name == "." || name == ".." || !WildcardMatch(pattern, name)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DEVICE) continue;
        FoundFile f;
        f.name = name;
        f.path = folder + name;
        f.folder = data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
        f.readOnly =
            IsRegular(data.dwFileAttributes) && (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
        f.lastWrite = win::NanosecondsFrom(data.ftLastWriteTime);
        // A link to nothing cannot be used as a file.
        if ((data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) &&
            Attributes(f.path) == INVALID_FILE_ATTRIBUTES)
            continue;
        found.push_back(std::move(f));
    } while (::FindNextFileW(find, &data));
    ::FindClose(find);
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return NameBefore(a.name, b.name); });
    return found;
}

}  // namespace

std::vector<FoundFile> FindFiles(const std::string& folder, std::string_view pattern) {
    return FindMasked(folder, pattern, "*");
}

bool IsReadOnly(const std::string& path) {
    const DWORD a = Attributes(path);
    return IsRegular(a) && (a & FILE_ATTRIBUTE_READONLY);
}

bool FileExists(const std::string& path) {
    return IsRegular(Attributes(path));
}

bool FolderExists(const std::string& path) {
    return IsFolder(Attributes(path));
}

bool CopyFile(const std::string& source, const std::string& target, bool durable) {
    return CopyFileImpl(source, target, Replace::Always, durable);
}

bool CopyFileIfAbsent(const std::string& source, const std::string& target) {
    return CopyFileImpl(source, target, Replace::Never, false);
}

namespace {

// The record of copies keeps stamps as signed numbers; Windows' 64-bit serials and ids lose
// their top bit, which keeps them apart all the same.
constexpr std::uint64_t kSignedRange = 0x7FFF'FFFF'FFFF'FFFFull;

}  // namespace

FileStamp Stamp(const std::string& path) {
    FileStamp s;
    // A regular file is looked at without a handle: a change stamps each of its files a dozen
    // times, and an open and close cost ten times more (under Wine a hundred). Its change time,
    // which every write, rename and attribute change moves, proves it unchanged without an id.
    FILE_NETWORK_OPEN_INFORMATION quick;
    if (!QuickLook(path, quick)) return s;
    if (TypeOf(quick.FileAttributes) == FileStamp::Type::File) {
        s.type = FileStamp::Type::File;
        s.size = quick.EndOfFile.QuadPart;
        s.lastWrite =
            win::NanosecondsFrom(static_cast<std::uint64_t>(quick.LastWriteTime.QuadPart));
        s.changed = win::NanosecondsFrom(static_cast<std::uint64_t>(quick.ChangeTime.QuadPart));
        s.readOnly = quick.FileAttributes & FILE_ATTRIBUTE_READONLY;
        return s;
    }
    // Folders and links carry their volume and id, which tell two names of one folder.
    Handle h(OpenToLook(path, false));
    Info info;
    if (!h.ok() || !InfoOf(h.get(), info)) {
        // One that may not even be opened for its attributes still exists.
        WIN32_FILE_ATTRIBUTE_DATA data;
        if (!::GetFileAttributesExW(PathW(path).c_str(), GetFileExInfoStandard, &data)) return s;
        s.type = TypeOf(data.dwFileAttributes);
        s.inode = IndexOfName(path) & kSignedRange;
        s.lastWrite = win::NanosecondsFrom(data.ftLastWriteTime);
        return s;
    }
    const DWORD a = info.Attributes();
    s.type = TypeOf(a);
    if (FILE_ID_INFO id{}; IdOf(h.get(), id)) {
        s.device = id.VolumeSerialNumber & kSignedRange;
        s.inode = IndexOf(id) & kSignedRange;
    } else {
        s.inode = IndexOfName(path) & kSignedRange;
    }
    s.size = s.type == FileStamp::Type::File ? info.Size() : 0;
    s.lastWrite =
        win::NanosecondsFrom(static_cast<std::uint64_t>(info.basic.LastWriteTime.QuadPart));
    s.changed = win::NanosecondsFrom(static_cast<std::uint64_t>(info.basic.ChangeTime.QuadPart));
    s.readOnly = s.type == FileStamp::Type::File && (a & FILE_ATTRIBUTE_READONLY);
    return s;
}

bool SameContents(const std::string& a, const std::string& b) {
    // OpenRegularFile refuses what is no regular file before it opens it.
    Info ia, ib;
    Handle x(OpenRegularFile(a, ia)), y(OpenRegularFile(b, ib));
    if (!x.ok() || !y.ok() || ia.Size() != ib.Size()) return false;
    if (SameFile(x.get(), y.get())) return true;
    return SameBytes([&](char* buffer, std::size_t n) { return ReadFull(x.get(), buffer, n); },
                     [&](char* buffer, std::size_t n) { return ReadFull(y.get(), buffer, n); });
}

MoveOutcome MoveFile(const std::string& from, const std::string& to) {
    const DWORD a = Attributes(from);
    if (!IsRegular(a) || (a & FILE_ATTRIBUTE_REPARSE_POINT)) return MoveOutcome::Failed;
    if (Attributes(to) != INVALID_FILE_ATTRIBUTES) return MoveOutcome::TargetExists;
    if (::MoveFileExW(PathW(from).c_str(), PathW(to).c_str(), MOVEFILE_WRITE_THROUGH)) {
        if (a & FILE_ATTRIBUTE_READONLY)
            ::SetFileAttributesW(PathW(to).c_str(), a & ~DWORD{FILE_ATTRIBUTE_READONLY});
        return MoveOutcome::Moved;
    }
    const DWORD error = ::GetLastError();
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS)
        return MoveOutcome::TargetExists;
    if (error != ERROR_NOT_SAME_DEVICE) return MoveOutcome::Failed;
    // Another volume: the source goes only once its copy is on the disk and proven equal.
    if (!CopyFileImpl(from, to, Replace::Never, true))
        return Attributes(to) != INVALID_FILE_ATTRIBUTES ? MoveOutcome::TargetExists
                                                         : MoveOutcome::Failed;
    if (!SameContents(from, to)) return MoveOutcome::Failed;
    if (a & FILE_ATTRIBUTE_READONLY)
        ::SetFileAttributesW(PathW(from).c_str(), a & ~DWORD{FILE_ATTRIBUTE_READONLY});
    return ::DeleteFileW(PathW(from).c_str()) ? MoveOutcome::Moved : MoveOutcome::Failed;
}

bool SyncFolder(const std::string& folder) {
    // Names moved with MOVEFILE_WRITE_THROUGH are on the disk already; a folder has no flush.
    return folder.empty() || FolderExists(folder);
}

namespace {

// The lock of a folder is a named mutex of the session, named after the folder's volume and
// file index (its full name on a file system without ids), so that every spelling of the folder
// takes the same lock and nothing is left in it. A holder that dies leaves the mutex abandoned,
// which the next taker gets.
std::wstring FolderLockName(const std::string& folder) {
    Handle h(OpenToLook(folder.empty() ? std::string(".") : folder));
    if (!h.ok()) return {};
    wchar_t name[96];
    if (FILE_ID_INFO id{}; IdOf(h.get(), id))
        std::swprintf(name, 96, L"Local\\harbinet-folder-%016llx-%016llx",
                      static_cast<unsigned long long>(id.VolumeSerialNumber),
                      static_cast<unsigned long long>(IndexOf(id)));
    else
        std::swprintf(name, 96, L"Local\\harbinet-folder-name-%016llx",
                      static_cast<unsigned long long>(IndexOfName(folder)));
    return name;
}

}  // namespace

FolderLock::FolderLock(const std::string& folder) {
    const std::wstring name = FolderLockName(folder);
    if (name.empty()) return;
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex) return;
    const DWORD waited = ::WaitForSingleObject(mutex, INFINITE);
    if (waited != WAIT_OBJECT_0 && waited != WAIT_ABANDONED) {
        ::CloseHandle(mutex);
        return;
    }
    fd_ = win::Remember(mutex);
}

FolderLock::~FolderLock() {
    if (fd_ < 0) return;
    ::ReleaseMutex(win::Recall(fd_));
    win::Forget(fd_);
}

bool DeleteFile(const std::string& path) {
    const DWORD a = Attributes(path);
    if (!IsRegular(a) || (a & FILE_ATTRIBUTE_READONLY)) return false;
    return ::DeleteFileW(PathW(path).c_str()) != 0;
}

bool CreateFolder(const std::string& path) {
    if (::CreateDirectoryW(PathW(path).c_str(), nullptr)) return true;
    return ::GetLastError() == ERROR_ALREADY_EXISTS && FolderExists(path);
}

bool CreateFolders(const std::string& path) {
    if (FolderExists(path)) return true;
    std::string trimmed = path;
    while (trimmed.size() > 1 && (trimmed.back() == '/' || trimmed.back() == '\\'))
        trimmed.pop_back();
    const std::string parent = FolderOf(trimmed, "/\\");
    // A drive ("C:/") or a share root has no parent to make.
    if (!parent.empty() && parent != trimmed && parent.size() < trimmed.size() &&
        !(parent.size() <= 3 && parent.size() >= 2 && parent[1] == ':') && !CreateFolders(parent))
        return false;
    if (::CreateDirectoryW(PathW(trimmed).c_str(), nullptr) || FolderExists(trimmed)) return true;
    win::LastErrno();
    return false;
}

bool RemoveEmptyFolder(const std::string& path) {
    return ::RemoveDirectoryW(PathW(path).c_str()) != 0;
}

bool GetLastWriteTime(const std::string& path, FileTime& time) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!::GetFileAttributesExW(PathW(path).c_str(), GetFileExInfoStandard, &data)) return false;
    time = win::NanosecondsFrom(data.ftLastWriteTime);
    return true;
}

bool SetLastWriteTimeNow(const std::string& path, std::string* error) {
    if (IsReadOnly(path)) {
        if (error) *error = "the file is read-only";
        return false;
    }
    Handle h(::CreateFileW(PathW(path).c_str(), FILE_WRITE_ATTRIBUTES, kShareAll, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    FILETIME now;
    ::GetSystemTimeAsFileTime(&now);
    if (h.ok() && ::SetFileTime(h.get(), nullptr, nullptr, &now)) return true;
    if (error) *error = std::strerror(win::LastErrno());
    return false;
}

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxSize, int* error) {
    auto fail = [&](int e) {
        if (error) *error = e != 0 ? e : EIO;
        return false;
    };
    Info info;
    errno = 0;
    Handle h(OpenRegularFile(path, info));
    if (!h.ok()) return fail(errno);
    if (static_cast<std::uint64_t>(info.Size()) > maxSize) return fail(EFBIG);
    std::string data(static_cast<std::size_t>(info.Size()), '\0');
    const long long n = ReadFull(h.get(), data.data(), data.size());
    if (n < 0) return fail(win::LastErrno());
    data.resize(static_cast<std::size_t>(n));
    // A file that grew since: read on, but stop as soon as it passes the limit.
    char more[4096];
    for (long long m; (m = ReadFull(h.get(), more, sizeof more)) > 0;) {
        data.append(more, static_cast<std::size_t>(m));
        if (data.size() > maxSize) return fail(EFBIG);
    }
    bytes = std::move(data);
    return true;
}

int ReadFileParts(const std::string& path, std::initializer_list<FilePart> parts) {
    Info info;
    errno = 0;
    Handle h(OpenRegularFile(path, info, ENXIO));
    if (!h.ok()) return errno != 0 ? errno : EIO;
    for (const FilePart& part : parts) {
        auto* bytes = static_cast<char*>(part.bytes);
        std::size_t done = 0;
        while (done < part.size) {
            OVERLAPPED at{};
            const std::uint64_t offset = part.offset + done;
            at.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
            at.OffsetHigh = static_cast<DWORD>(offset >> 32);
            DWORD n = 0;
            const DWORD chunk =
                static_cast<DWORD>(std::min<std::size_t>(part.size - done, 1u << 30));
            if (!::ReadFile(h.get(), bytes + done, chunk, &n, &at) || n == 0) break;
            done += n;
        }
    }
    return 0;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool durable) {
    const DWORD a = Attributes(path);
    const bool exists = a != INVALID_FILE_ATTRIBUTES;
    if (exists && (!IsRegular(a) || (a & FILE_ATTRIBUTE_READONLY))) {
        errno = exists && !IsRegular(a) ? EISDIR : EACCES;
        return false;
    }
    TempFile temp(FolderOf(path, "/\\"));
    if (!temp.ok()) return false;
    if (!WriteAll(temp.handle(), bytes.data(), bytes.size())) return win::LastErrno(), false;
    const DWORD keep =
        exists ? a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE)
               : FILE_ATTRIBUTE_NORMAL;
    return PutInPlace(temp, path, true, durable, keep);
}

namespace {

bool ProcessIsGone(long id) {
    Handle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(id)));
    if (!process.ok()) return ::GetLastError() == ERROR_INVALID_PARAMETER;
    DWORD code = 0;
    return ::GetExitCodeProcess(process.get(), &code) && code != STILL_ACTIVE;
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::string& folder) {
    int removed = 0;
    // Each stale name ends in ".tmp" and begins with ".harbinet-", so the system's search
    // misses none of them; the rest of a large folder is not looked at.
    for (const FoundFile& f : FindMasked(folder, ".harbinet-*.tmp", ".harbinet-*.tmp")) {
        const std::optional<long> owner = TemporaryNameOwner(f.name);
        if (f.folder || !owner || !ProcessIsGone(*owner)) continue;
        const DWORD a = Attributes(f.path);
        if (a & FILE_ATTRIBUTE_REPARSE_POINT) continue;
        if (a & FILE_ATTRIBUTE_READONLY)
            ::SetFileAttributesW(PathW(f.path).c_str(), a & ~DWORD{FILE_ATTRIBUTE_READONLY});
        if (::DeleteFileW(PathW(f.path).c_str())) ++removed;
    }
    return removed;
}

std::string RealPath(const std::string& path) {
    Handle h(OpenToLook(path));
    if (!h.ok()) return {};
    const DWORD n = ::GetFinalPathNameByHandleW(h.get(), nullptr, 0, FILE_NAME_NORMALIZED);
    if (n == 0) return {};
    std::wstring buffer(n, L'\0');
    const DWORD used = ::GetFinalPathNameByHandleW(h.get(), buffer.data(), n, FILE_NAME_NORMALIZED);
    if (used == 0 || used >= n) return {};
    buffer.resize(used);
    return win::PathFromW(buffer);
}

std::string ResolvedPath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path resolved =
        std::filesystem::weakly_canonical(std::filesystem::path(PathW(path)), ec);
    return ec ? std::string() : win::PathFromW(resolved.native());
}

std::string TempFolder() {
    wchar_t buffer[MAX_PATH + 2];
    const DWORD n = ::GetTempPathW(MAX_PATH + 2, buffer);
    std::string folder =
        n > 0 && n < MAX_PATH + 2 ? win::PathFromW({buffer, n}) : "C:/Windows/Temp/";
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::string ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) {
            buffer.resize(n);
            // Wine names a program started from a share "UNC\server\share\...".
            if (buffer.rfind(L"UNC\\", 0) == 0) buffer.replace(0, 3, L"\\");
            return win::PathFromW(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace harbinet::files
