// The file layer on Linux. Copies and rewrites go through a hidden temporary file in the
// target's folder and a rename, so that a reader (or a crash) sees the old file or the new one,
// never a part of it. The temporary names start with "." so that no game pattern finds them.
#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include "platform/FileNames.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::files {

namespace {

// Times beyond 2262 (or before 1677) do not fit: they stay the latest (earliest) there are.
FileTime ToFileTime(const struct timespec& t) {
    FileTime ns = 0;
    if (__builtin_mul_overflow(static_cast<FileTime>(t.tv_sec), FileTime{1'000'000'000}, &ns) ||
        __builtin_add_overflow(ns, static_cast<FileTime>(t.tv_nsec), &ns))
        return t.tv_sec < 0 ? INT64_MIN : INT64_MAX;
    return ns;
}

struct DirCloser {
    void operator()(DIR* d) const { ::closedir(d); }
};
using DirHandle = std::unique_ptr<DIR, DirCloser>;

class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd() { Close(); }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    int Release() {
        const int fd = fd_;
        fd_ = -1;
        return fd;
    }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    // The close result matters for written files: a delayed write error shows up here.
    bool Close() {
        if (fd_ < 0) return true;
        const int r = ::close(fd_);
        fd_ = -1;
        return r == 0;
    }

  private:
    int fd_;
};

// A new, exclusive, hidden file in the folder; the kernel applies the umask to the mode.
class TempFile {
  public:
    TempFile(const std::string& folder, mode_t mode) {
        for (int attempt = 0; attempt < 100 && !fd_.ok(); ++attempt) {
            unsigned long long r = 0;
            if (::getrandom(&r, sizeof r, 0) != static_cast<ssize_t>(sizeof r)) {
                r ^= static_cast<unsigned long long>(::getpid()) * 0x9E3779B97F4A7C15ull +
                     static_cast<unsigned long long>(attempt);
            }
            path_ = folder + TemporaryName(static_cast<long>(::getpid()), r);
            fd_.Reset(::open(path_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
            if (!fd_.ok() && errno != EEXIST) break;
        }
        if (!fd_.ok()) path_.clear();
    }
    ~TempFile() {
        fd_.Close();
        if (!path_.empty()) ::unlink(path_.c_str());
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool ok() const { return fd_.ok(); }
    int fd() const { return fd_.get(); }
    bool Close() { return fd_.Close(); }
    const std::string& path() const { return path_; }
    void Keep() { path_.clear(); }  // renamed into place: nothing left to remove

  private:
    Fd fd_;
    std::string path_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

bool CopyByReading(int in, int out) {
    constexpr std::size_t kBuffer = 1 << 20;
    std::unique_ptr<char[]> buffer(new char[kBuffer]);
    for (;;) {
        const ssize_t n = ::read(in, buffer.get(), kBuffer);
        if (n == 0) return true;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (!WriteAll(out, buffer.get(), static_cast<std::size_t>(n))) return false;
    }
}

// Copies in the kernel (a reflink where the file system can) from the current offsets on.
bool CopyData(int in, int out, off_t sourceSize) {
    ::posix_fadvise(in, 0, 0, POSIX_FADV_SEQUENTIAL);
    bool copiedAny = false;
    for (;;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1u << 30, 0);
        if (n > 0) {
            copiedAny = true;
            continue;
        }
        if (n == 0) {
            // Files that claim to be empty (as in /proc) may still have data to read.
            if (copiedAny || sourceSize > 0) return true;
            return CopyByReading(in, out);
        }
        switch (errno) {
            case EINTR:
                continue;
            case EXDEV:
            case ENOSYS:
            case EINVAL:
            case EOPNOTSUPP:
            case EBADF:
            case EPERM:
            case ETXTBSY:
                return CopyByReading(in, out);
            default:
                return false;
        }
    }
}

// The folder's permissions would let a rename replace a file its user may not write; Windows
// refuses that, and so do we. Root may write anything, so the owner's write bit is checked too.
bool MayOverwrite(const std::string& path, const struct stat& st) {
    return (st.st_mode & S_IWUSR) && ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0;
}

// Opens a regular file for reading. A pipe would block the open (and a device the reads), so
// the open does not wait and anything else is refused, with errno notRegular, before a byte is
// read.
int OpenRegularFile(const std::string& path, struct stat& st, int notRegular = EINVAL) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!fd.ok()) return -1;
    if (::fstat(fd.get(), &st) != 0) return -1;
    if (!S_ISREG(st.st_mode)) {
        errno = notRegular;
        return -1;
    }
    const int flags = ::fcntl(fd.get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.get(), F_SETFL, flags & ~O_NONBLOCK) != 0) return -1;
    return fd.Release();
}

// A pipe, socket or device: never a file of the program's.
bool IsSpecial(mode_t mode) {
    return !S_ISREG(mode) && !S_ISDIR(mode) && !S_ISLNK(mode);
}

enum class Replace { Always, Never };

bool CopyFileImpl(const std::string& source, const std::string& target, Replace replace,
                  bool durable) {
    struct stat src;
    Fd in(OpenRegularFile(source, src));
    if (!in.ok()) return false;

    struct stat dst;
    if (::stat(target.c_str(), &dst) == 0) {
        if (replace == Replace::Never || !S_ISREG(dst.st_mode)) return false;
        if (!MayOverwrite(target, dst)) return false;
        if (dst.st_dev == src.st_dev && dst.st_ino == src.st_ino) return false;
    }

    const std::string folder = FolderOf(target);
    TempFile temp(folder, 0600);
    if (!temp.ok()) return false;
    if (!CopyData(in.get(), temp.fd(), src.st_size)) return false;
    if (::fchmod(temp.fd(), (src.st_mode & 0777) | S_IWUSR) != 0) return false;
    // Windows copies keep the last-write time; career stamps are compared against it.
    const struct timespec times[2] = {{0, UTIME_OMIT}, src.st_mtim};
    if (::futimens(temp.fd(), times) != 0) return false;
    if (durable && ::fsync(temp.fd()) != 0) return false;
    if (!temp.Close()) return false;

    if (replace == Replace::Always) {
        if (::rename(temp.path().c_str(), target.c_str()) != 0) return false;
    } else if (::renameat2(AT_FDCWD, temp.path().c_str(), AT_FDCWD, target.c_str(),
                           RENAME_NOREPLACE) != 0) {
        if (errno != EINVAL && errno != ENOSYS) return false;
        // File systems without the flag: a hard link fails the same way on an existing name.
        if (::link(temp.path().c_str(), target.c_str()) != 0) return false;
        return !durable || SyncFolder(folder);  // temp goes with it
    }
    temp.Keep();
    return !durable || SyncFolder(folder);
}

}  // namespace

std::string ResolveComponent(const std::string& folder, std::string_view name) {
    std::string exact = folder + std::string(name);
    struct stat st;
    if (::lstat(exact.c_str(), &st) == 0) return exact;
    DirHandle dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir) return exact;
    std::string best;
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string candidate = e->d_name;
        if (candidate == "." || candidate == "..") continue;
        if (EqualIgnoringCase(candidate, name) && (best.empty() || NameBefore(candidate, best)))
            best = candidate;
    }
    return best.empty() ? exact : folder + best;
}

bool IsAbsolutePath(std::string_view path) {
    return path.starts_with('/');
}

std::vector<FoundFile> FindFiles(const std::string& folder, std::string_view pattern) {
    std::vector<FoundFile> found;
    if (pattern.empty()) return found;
    DirHandle dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir) return found;
    const int dirFd = ::dirfd(dir.get());
    while (const dirent* e = ::readdir(dir.get())) {
        const std::string_view name = e->d_name;
        if (name == "." || name == ".." || !WildcardMatch(pattern, name)) continue;
        struct stat st;
        // An entry that vanished, or a link to nothing, cannot be used as a file.
        if (::fstatat(dirFd, e->d_name, &st, 0) != 0) continue;
        if (!S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode)) continue;
        FoundFile f;
        f.name = name;
        f.path = folder + f.name;
        f.folder = S_ISDIR(st.st_mode);
        f.readOnly = S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR);
        f.lastWrite = ToFileTime(st.st_mtim);
        found.push_back(std::move(f));
    }
    std::sort(found.begin(), found.end(),
              [](const FoundFile& a, const FoundFile& b) { return NameBefore(a.name, b.name); });
    return found;
}

bool IsReadOnly(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR);
}

bool FileExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool FolderExists(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool CopyFile(const std::string& source, const std::string& target, bool durable) {
    return CopyFileImpl(source, target, Replace::Always, durable);
}

bool CopyFileIfAbsent(const std::string& source, const std::string& target) {
    return CopyFileImpl(source, target, Replace::Never, false);
}

FileStamp Stamp(const std::string& path) {
    FileStamp s;
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0) return s;
    using T = FileStamp::Type;
    s.type = S_ISREG(st.st_mode)   ? T::File
             : S_ISDIR(st.st_mode) ? T::Folder
             : S_ISLNK(st.st_mode) ? T::Link
                                   : T::Other;
    s.device = st.st_dev;
    s.inode = st.st_ino;
    s.size = st.st_size;
    s.lastWrite = ToFileTime(st.st_mtim);
    s.changed = ToFileTime(st.st_ctim);
    s.readOnly = S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR);
    return s;
}

bool SameContents(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    if (::lstat(a.c_str(), &sa) != 0 || ::lstat(b.c_str(), &sb) != 0 || !S_ISREG(sa.st_mode) ||
        !S_ISREG(sb.st_mode) || sa.st_size != sb.st_size)
        return false;
    if (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino) return true;
    Fd x(OpenRegularFile(a, sa)), y(OpenRegularFile(b, sb));
    if (!x.ok() || !y.ok()) return false;
    // Whole chunks: a short read other than at the end would look like a difference.
    auto fill = [](int fd, char* buffer, std::size_t size) -> long long {
        std::size_t got = 0;
        while (got < size) {
            const ssize_t n = ::read(fd, buffer + got, size - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) return -1;
            if (n == 0) break;
            got += static_cast<std::size_t>(n);
        }
        return static_cast<long long>(got);
    };
    return SameBytes([&](char* buffer, std::size_t n) { return fill(x.get(), buffer, n); },
                     [&](char* buffer, std::size_t n) { return fill(y.get(), buffer, n); });
}

MoveOutcome MoveFile(const std::string& from, const std::string& to) {
    struct stat st;
    if (::lstat(from.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return MoveOutcome::Failed;
    if (::lstat(to.c_str(), &st) == 0) return MoveOutcome::TargetExists;
    const std::string fromFolder = FolderOf(from), toFolder = FolderOf(to);
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) {
        const bool synced =
            SyncFolder(toFolder) && (fromFolder == toFolder || SyncFolder(fromFolder));
        if (::stat(to.c_str(), &st) == 0 && !(st.st_mode & S_IWUSR))
            ::chmod(to.c_str(), (st.st_mode & 07777) | S_IWUSR);
        return synced ? MoveOutcome::Moved : MoveOutcome::Failed;
    }
    if (errno == EEXIST) return MoveOutcome::TargetExists;
    if (errno != EXDEV && errno != EINVAL && errno != ENOSYS) return MoveOutcome::Failed;
    // Another file system: the source goes only once its copy is on the disk and proven equal.
    if (!CopyFileImpl(from, to, Replace::Never, true))
        return ::lstat(to.c_str(), &st) == 0 ? MoveOutcome::TargetExists : MoveOutcome::Failed;
    if (!SameContents(from, to) || ::unlink(from.c_str()) != 0) return MoveOutcome::Failed;
    return SyncFolder(fromFolder) ? MoveOutcome::Moved : MoveOutcome::Failed;
}

namespace {

int OpenFolder(const std::string& folder) {
    return ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

}  // namespace

bool SyncFolder(const std::string& folder) {
    Fd fd(OpenFolder(folder));
    return fd.ok() && ::fsync(fd.get()) == 0;
}

FolderLock::FolderLock(const std::string& folder) : fd_(OpenFolder(folder)) {
    if (fd_ < 0) return;
    while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
    }
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // the lock goes with the descriptor
}

bool DeleteFile(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode) || IsSpecial(st.st_mode))
        return false;
    if (S_ISREG(st.st_mode) && !(st.st_mode & S_IWUSR)) return false;
    // A link goes, unless it names a pipe, socket or device, which the search never finds.
    struct stat target;
    if (S_ISLNK(st.st_mode) && ::stat(path.c_str(), &target) == 0 && IsSpecial(target.st_mode))
        return false;
    return ::unlink(path.c_str()) == 0;
}

bool CreateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return true;
    return errno == EEXIST && FolderExists(path);
}

bool CreateFolders(const std::string& path) {
    std::error_code ec;
    std::filesystem::create_directories(path, ec);
    if (!ec || FolderExists(path)) return true;
    errno = ec.value();
    return false;
}

bool RemoveEmptyFolder(const std::string& path) {
    return ::rmdir(path.c_str()) == 0;
}

bool GetLastWriteTime(const std::string& path, FileTime& time) {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return false;
    time = ToFileTime(st.st_mtim);
    return true;
}

bool SetLastWriteTimeNow(const std::string& path, std::string* error) {
    // Stamping a read-only file is refused as on Windows, also for root.
    if (IsReadOnly(path)) {
        if (error) *error = "the file is read-only";
        return false;
    }
    const struct timespec times[2] = {{0, UTIME_OMIT}, {0, UTIME_NOW}};
    if (::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0) return true;
    if (error) *error = std::strerror(errno);
    return false;
}

namespace {

bool ReadWhole(const std::string& path, std::string& bytes, std::size_t maxSize) {
    struct stat st;
    Fd fd(OpenRegularFile(path, st));
    if (!fd.ok()) return false;
    if (st.st_size < 0 || static_cast<std::uintmax_t>(st.st_size) > maxSize) {
        errno = EFBIG;
        return false;
    }
    std::string data;
    // The size may be wrong (a file that grows, or one in /proc claiming 0): reading goes on to
    // the end, but stops as soon as it passes the limit.
    data.resize(st.st_size > 0 ? static_cast<std::size_t>(st.st_size) + 1 : 4096);
    std::size_t used = 0;
    for (;;) {
        if (used > maxSize) {
            errno = EFBIG;
            return false;
        }
        if (used == data.size()) data.resize(data.size() * 2);
        const ssize_t n = ::read(fd.get(), data.data() + used, data.size() - used);
        if (n == 0) break;
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        used += static_cast<std::size_t>(n);
    }
    data.resize(used);
    bytes = std::move(data);
    return true;
}

}  // namespace

bool ReadWholeFile(const std::string& path, std::string& bytes, std::size_t maxSize, int* error) {
    if (ReadWhole(path, bytes, maxSize)) return true;
    if (error) *error = errno != 0 ? errno : EIO;
    return false;
}

int ReadFileParts(const std::string& path, std::initializer_list<FilePart> parts) {
    struct stat st;
    Fd fd(OpenRegularFile(path, st, ENXIO));
    if (!fd.ok()) return errno;
    for (const FilePart& part : parts) {
        auto* bytes = static_cast<unsigned char*>(part.bytes);
        std::size_t done = 0;
        while (done < part.size) {
            const ssize_t n = ::pread(fd.get(), bytes + done, part.size - done,
                                      static_cast<off_t>(part.offset + done));
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            done += static_cast<std::size_t>(n);
        }
    }
    return 0;
}

bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool durable) {
    // A link is followed, so that the file it names is replaced rather than the link.
    std::string real = path;
    struct stat st;
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists) {
        if (!S_ISREG(st.st_mode) || !MayOverwrite(path, st)) return false;
        struct stat link;
        if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) {
            char buf[PATH_MAX];
            if (!::realpath(path.c_str(), buf)) return false;
            real = buf;
        }
    }

    TempFile temp(FolderOf(real), 0644);
    if (!temp.ok()) return false;
    if (exists) {
        if (::fchmod(temp.fd(), st.st_mode & 07777) != 0) return false;
        // Only root can give the file back to its owner; others keep theirs.
        if (st.st_uid != ::geteuid() || st.st_gid != ::getegid())
            (void)!::fchown(temp.fd(), st.st_uid, st.st_gid);
    }
    if (!WriteAll(temp.fd(), bytes.data(), bytes.size())) return false;
    if (durable && ::fsync(temp.fd()) != 0) return false;
    if (!temp.Close()) return false;
    if (::rename(temp.path().c_str(), real.c_str()) != 0) return false;
    temp.Keep();
    // The new name itself must survive a power cut: a journal is worth nothing otherwise.
    return !durable || SyncFolder(FolderOf(real));
}

namespace {

// True for a name TempFile gave whose process is gone: ".harbinet-PID-RANDOM.tmp" with a PID no
// process has.
bool IsStaleTemporaryName(std::string_view name) {
    const std::optional<long> owner = TemporaryNameOwner(name);
    return owner && ::kill(static_cast<pid_t>(*owner), 0) != 0 && errno == ESRCH;
}

}  // namespace

int RemoveStaleTemporaryFiles(const std::string& folder) {
    DirHandle dir(::opendir(folder.empty() ? "." : folder.c_str()));
    if (!dir) return 0;
    const int dirFd = ::dirfd(dir.get());
    int removed = 0;
    while (const dirent* e = ::readdir(dir.get())) {
        if (!IsStaleTemporaryName(e->d_name)) continue;
        struct stat st;
        if (::fstatat(dirFd, e->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::unlinkat(dirFd, e->d_name, 0) == 0) ++removed;
    }
    return removed;
}

std::string RealPath(const std::string& path) {
    char buf[PATH_MAX];
    return ::realpath(path.c_str(), buf) ? std::string(buf) : std::string();
}

std::string ResolvedPath(const std::string& path) {
    std::error_code ec;
    std::string resolved = std::filesystem::weakly_canonical(path, ec).string();
    return ec ? std::string() : resolved;
}

std::string TempFolder() {
    const char* env = std::getenv("TMPDIR");
    std::string folder = (env && *env) ? env : "/tmp/";
    if (folder.back() != '/') folder += '/';
    return folder;
}

std::string ExecutablePath() {
    char buf[PATH_MAX];
    if (::realpath("/proc/self/exe", buf)) return buf;
    const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
    return n > 0 ? std::string(buf, static_cast<std::size_t>(n)) : std::string();
}

}  // namespace harbinet::files
