// The file layer: wildcard search, copies, deletes, folders and file times with the rules the
// program's data were made under on Windows (names ignore letter case, read-only files refuse
// to be deleted or overwritten, copies never leave a half-written target).
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace harbinet::files {

// Last-write time in nanoseconds since 1970; 0 means none. Compared exactly.
using FileTime = std::int64_t;

struct FoundFile {
    std::string name;       // the name as it is on disk
    std::string path;       // folder + name
    bool folder = false;    // folders are listed but never copied or deleted
    bool readOnly = false;  // as IsReadOnly says, from the listing's own look at it
    FileTime lastWrite = 0;
};

// True for a path that does not depend on the current folder: "/..." on Linux; "C:/...",
// "C:\...", a share and "/..." or "\..." (the current drive's) on Windows.
bool IsAbsolutePath(std::string_view path);

// The folder part of a path, up to and including its last separator; empty when it has none.
std::string FolderOf(std::string_view path, std::string_view separators = "/");
// The name part of a path, after its last "/"; the whole path when it has none.
std::string NameOf(std::string_view path);

// True when a file name matches a pattern by the Windows wildcard rules, ignoring letter case.
bool WildcardMatch(std::string_view pattern, std::string_view name);

// Every file and folder of the folder (which ends in "/") matching the pattern, sorted by name
// ignoring letter case. "." and "..", pipes, sockets and devices are never returned; a missing
// folder or empty pattern finds nothing.
std::vector<FoundFile> FindFiles(const std::string& folder, std::string_view pattern);

// folder + name, where name is taken as Windows would find it: the exact entry when it exists,
// else the one entry whose name equals it ignoring letter case, else name as given.
std::string ResolveName(const std::string& folder, std::string_view name);

// A regular file whose owner may not write it counts as read-only, as a Windows read-only file.
bool IsReadOnly(const std::string& path);
bool FileExists(const std::string& path);  // a regular file (or a link to one)
bool FolderExists(const std::string& path);

// Copies a regular file over an existing target (unless the target is read-only or a folder),
// keeping the source's permission bits, plus the owner's write bit (so that a read-only store
// never blocks a later change), and, as Windows does, its last-write time. The data go to a
// temporary name in the target folder that is renamed into place, so a failure never leaves a
// half-written target. A durable copy is flushed to the disk, with its folder, before it counts.
bool CopyFile(const std::string& source, const std::string& target, bool durable = false);
// Like CopyFile, but false without touching anything when the target exists.
bool CopyFileIfAbsent(const std::string& source, const std::string& target);

// What the file system says of a path (a link is not followed). The change time moves with
// every write, rename, mode or time change and cannot be set back, so an unchanged stamp proves
// unchanged contents. On Windows a regular file's stamp has no device and id (0), its change
// time proving it alone; a folder's has them (where the file system gives no ids, a number made
// of its full name stands for the id).
struct FileStamp {
    enum class Type { Missing, File, Folder, Link, Other };
    Type type = Type::Missing;
    std::uint64_t device = 0, inode = 0;
    std::int64_t size = 0;
    FileTime lastWrite = 0, changed = 0;
    bool readOnly = false;  // a regular file its owner may not write
    bool operator==(const FileStamp&) const = default;
    bool IsFile() const { return type == Type::File; }
};
FileStamp Stamp(const std::string& path);

// True when both are regular files (links not followed) holding the same bytes.
bool SameContents(const std::string& a, const std::string& b);

// Moves a regular file (not a link) to a name that is free: a rename on one file system, else a
// durable copy that is compared with its source before the source goes. The moved file is
// writable by its owner. TargetExists changes nothing.
enum class MoveOutcome { Moved, TargetExists, Failed };
MoveOutcome MoveFile(const std::string& from, const std::string& to);

// An exclusive lock on a folder among processes, held while it lives; taking it waits for
// another holder to let go. It holds across a file of the folder being replaced by a rename and
// leaves nothing behind in the folder. "" is the current folder. Without a lock (a folder that
// cannot be opened) the holder goes on unlocked.
class FolderLock {
  public:
    explicit FolderLock(const std::string& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

  private:
    int fd_ = -1;
};

// Flushes a folder's entries (new, renamed or removed names) to the disk.
bool SyncFolder(const std::string& folder);

// Deletes a regular file (or a link); read-only files, folders, pipes, sockets and devices are
// refused.
bool DeleteFile(const std::string& path);

bool CreateFolder(const std::string& path);  // true when it exists afterwards
// Makes a folder and those above it; true when it exists afterwards, else errno tells why not.
bool CreateFolders(const std::string& path);
bool RemoveEmptyFolder(const std::string& path);  // only an empty folder

bool GetLastWriteTime(const std::string& path, FileTime& time);
// Stamps the last-write time with the current time; contents, access time and mode stay.
bool SetLastWriteTimeNow(const std::string& path, std::string* error = nullptr);

// Reads a whole regular file; false when it cannot be read, is no regular file (a pipe would
// block) or holds more than maxSize bytes, with the system's error number in error.
bool ReadWholeFile(const std::string& path, std::string& bytes,
                   std::size_t maxSize = static_cast<std::size_t>(-1), int* error = nullptr);
// Where a part of a file goes: size bytes from offset on into bytes.
struct FilePart {
    std::uint64_t offset = 0;
    void* bytes = nullptr;
    std::size_t size = 0;
};
// Reads parts of a regular file with one open, each by a positioned read; what lies beyond the
// end of a short file stays in the buffers as it was. 0, or why the file could not be read (an
// errno value): a pipe, device or folder gives ENXIO, without a wait and without a byte read.
int ReadFileParts(const std::string& path, std::initializer_list<FilePart> parts);

// Replaces a file atomically (temporary file in the same folder, flushed, renamed), keeping the
// permission bits of the file it replaces. False leaves the old file exactly as it was; a
// read-only file is refused, as Windows refuses to write it.
// A durable write is on the disk, its name too, before it returns; one that is not may be lost
// to a power cut (never torn), and costs no wait for the disk.
bool WriteFileAtomic(const std::string& path, std::string_view bytes, bool durable = true);

// Removes the temporary files of copies and rewrites that a killed process left in the folder:
// regular files named ".harbinet-PID-RANDOM.tmp" whose process is gone. Nothing else is touched.
// Returns how many were removed.
int RemoveStaleTemporaryFiles(const std::string& folder);

// The path with links and "." and ".." resolved; empty when it does not exist.
std::string RealPath(const std::string& path);
// The absolute path with links and "." and ".." resolved as far as it exists, the rest as given
// without "." and ".."; empty when it cannot be worked out.
std::string ResolvedPath(const std::string& path);

// The folder for temporary files, ending in "/": $TMPDIR, else /tmp/.
std::string TempFolder();

// The real path of the running executable.
std::string ExecutablePath();

}  // namespace harbinet::files
