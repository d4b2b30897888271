#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "platform/Files.h"
#include "support/TempDir.h"

namespace {

using namespace harbinet;
using test::ListFolder;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

struct stat StatOf(const std::string& path) {
    struct stat st {};
    stat(path.c_str(), &st);
    return st;
}
mode_t ModeOf(const std::string& path) {
    return StatOf(path).st_mode & 07777;
}

void SetTimes(const std::string& path, long long sec, long nsec) {
    const struct timespec times[2] = {{sec, nsec}, {sec, nsec}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

// Caps the size of files this process writes, so that writes fail part-way as on a full disk.
struct FileSizeLimit {
    explicit FileSizeLimit(rlim_t bytes) : handler(signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit lim{bytes, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old);
        signal(SIGXFSZ, handler);
    }
    sighandler_t handler;
    rlimit old{};
};

TEST(FilesFind, SortsIgnoringCaseFlagsFoldersAndGivesNanosecondTimes) {
    TempDir dir;
    for (const char* name : {"b.TER", "A.ter", "a.TER", "C.TER.bak", ".harbinet-0.tmp"})
        WriteFile(dir / name, name);
    test::MakeFolder(dir / "D.TER");

    std::vector<std::string> names;
    for (const auto& f : files::FindFiles(dir.Path(), "*.TER")) {
        names.push_back(f.name + (f.folder ? "/" : ""));
        EXPECT_EQ(f.path, dir.Path() + f.name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A.ter", "a.TER", "b.TER", "D.TER/"}));

    EXPECT_EQ(files::FindFiles(dir.Path(), "*").size(), 6u);
    EXPECT_TRUE(files::FindFiles(dir.Path(), "").empty());
    EXPECT_TRUE(files::FindFiles(dir / "missing/", "*").empty());

    const auto path = WriteFile(dir / "x.sve", "data");
    SetTimes(path, 1'000'000'000, 123'456'789);
    const auto found = files::FindFiles(dir.Path(), "X.SVE");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].lastWrite, 1'000'000'000'123'456'789LL);
    files::FileTime t = 0;
    ASSERT_TRUE(files::GetLastWriteTime(path, t));
    EXPECT_EQ(t, found[0].lastWrite);
    EXPECT_FALSE(files::GetLastWriteTime(dir / "none", t));
}

TEST(FilesResolveName, PrefersTheExactEntryThenOneEqualIgnoringCase) {
    TempDir dir;
    WriteFile(dir / "EAW.INI", "upper");
    WriteFile(dir / "eaw.ini", "lower");
    WriteFile(dir / "Savedata/Car1.sve", "c");
    EXPECT_EQ(files::ResolveName(dir.Path(), "eaw.ini"), dir / "eaw.ini");
    EXPECT_EQ(files::ResolveName(dir.Path(), "Eaw.Ini"), dir / "EAW.INI");
    EXPECT_EQ(files::ResolveName(dir.Path(), "SAVEDATA/car1.SVE"), dir / "Savedata/Car1.sve");
    EXPECT_EQ(files::ResolveName(dir.Path(), "Skins.INI"), dir / "Skins.INI");
}

TEST(FilesCopy, ReplacesTheTargetKeepingSourceModeAndTime) {
    TempDir dir;
    const auto src = WriteFile(dir / "src/a.TER", std::string(300'000, 'n'));
    const auto dst = WriteFile(dir / "dst/a.TER", "old");
    chmod(src.c_str(), 0750);
    SetTimes(src, 900'000'000, 42);

    ASSERT_TRUE(files::CopyFile(src, dst));
    EXPECT_EQ(ReadFile(dst), std::string(300'000, 'n'));
    EXPECT_EQ(ModeOf(dst), 0750u);
    files::FileTime t = 0;
    files::GetLastWriteTime(dst, t);
    EXPECT_EQ(t, 900'000'000'000'000'042LL);
    EXPECT_EQ(ListFolder(dir / "dst/"), "a.TER");
}

TEST(FilesCopy, RefusesReadOnlyTargetsAndFolders) {
    TempDir dir;
    const auto src = WriteFile(dir / "src.TER", "new");
    const auto locked = WriteFile(dir / "locked.TER", "old");
    chmod(locked.c_str(), 0444);
    test::MakeFolder(dir / "folder");

    EXPECT_TRUE(files::IsReadOnly(locked));
    EXPECT_FALSE(files::CopyFile(src, locked));
    EXPECT_FALSE(files::WriteFileAtomic(locked, "changed"));
    EXPECT_EQ(ReadFile(locked), "old");
    EXPECT_FALSE(files::CopyFile(src, dir / "folder"));
    EXPECT_FALSE(files::CopyFile(dir / "folder", dir / "copy"));
    EXPECT_FALSE(files::CopyFile(src, src));
    EXPECT_EQ(ReadFile(src), "new");
    // Copying if absent never replaces, not even a writable file.
    const auto kept = WriteFile(dir / "kept.TER", "kept");
    EXPECT_FALSE(files::CopyFileIfAbsent(src, kept));
    EXPECT_EQ(ReadFile(kept), "kept");
    EXPECT_TRUE(files::CopyFileIfAbsent(src, dir / "new.TER"));
    EXPECT_EQ(ReadFile(dir / "new.TER"), "new");
    EXPECT_EQ(ListFolder(dir.Path()), "folder/ kept.TER locked.TER new.TER src.TER");
}

TEST(FilesCopy, FullDiskLeavesOldTargetsAndNoTemporaryFile) {
    TempDir dir;
    const auto src = WriteFile(dir / "src/big.TER", std::string(1 << 20, 'x'));
    const auto dst = WriteFile(dir / "dst/big.TER", "old");
    const auto ini = WriteFile(dir / "dst/EAW.INI", "[Game]\r\n");

    EXPECT_FALSE(files::CopyFile(dir / "src/vanished.TER", dst));
    {
        FileSizeLimit limit(64 * 1024);
        EXPECT_FALSE(files::CopyFile(src, dst));
        EXPECT_FALSE(files::CopyFileIfAbsent(src, dir / "dst/new.TER"));
        EXPECT_FALSE(files::WriteFileAtomic(ini, std::string(100'000, 'z')));
    }
    EXPECT_EQ(ReadFile(dst), "old");
    EXPECT_EQ(ReadFile(ini), "[Game]\r\n");
    EXPECT_EQ(ListFolder(dir / "dst/"), "EAW.INI big.TER");
}

TEST(FilesCopy, RefusesTargetsTheUserMayNotWrite) {
    if (geteuid() != 0) GTEST_SKIP() << "needs root to make a file another user may not write";
    TempDir dir;
    chmod(dir.Path().c_str(), 0777);
    const auto src = WriteFile(dir / "src.TER", "new");
    const auto dst = WriteFile(dir / "dst.TER", "old");
    chmod(dst.c_str(), 0644);

    // The folder would let another user rename over the file; the file itself says no.
    const pid_t pid = fork();
    if (pid == 0) {
        if (setgid(65534) != 0 || setuid(65534) != 0) _exit(99);
        const bool refused = !files::CopyFile(src, dst) && !files::WriteFileAtomic(dst, "x");
        _exit(refused ? 0 : 1);
    }
    int status = -1;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(ReadFile(dst), "old");
    EXPECT_EQ(ListFolder(dir.Path()), "dst.TER src.TER");
}

TEST(FilesDelete, RefusesReadOnlyFilesAndFoldersWhichGoOnlyWhenEmpty) {
    TempDir dir;
    const auto plain = WriteFile(dir / "plain", "x");
    const auto locked = WriteFile(dir / "locked", "x");
    chmod(locked.c_str(), 0400);
    test::MakeFolder(dir / "sub");

    EXPECT_TRUE(files::DeleteFile(plain));
    EXPECT_FALSE(files::DeleteFile(locked));
    EXPECT_FALSE(files::DeleteFile(dir / "sub"));
    EXPECT_FALSE(files::DeleteFile(dir / "missing"));

    EXPECT_TRUE(files::CreateFolder(dir / "new"));
    EXPECT_TRUE(files::CreateFolder(dir / "new"));
    EXPECT_FALSE(files::CreateFolder(locked));
    EXPECT_FALSE(files::FolderExists(locked));
    WriteFile(dir / "new/inside", "x");
    EXPECT_FALSE(files::RemoveEmptyFolder(dir / "new"));
    EXPECT_TRUE(files::RemoveEmptyFolder(dir / "sub"));
    EXPECT_EQ(ListFolder(dir.Path()), "locked new/");
}

TEST(FilesStamp, ChangesOnlyTheWriteTime) {
    TempDir dir;
    const auto path = WriteFile(dir / "1.sve", "career");
    chmod(path.c_str(), 0640);
    SetTimes(path, 1'000'000'000, 5);

    ASSERT_TRUE(files::SetLastWriteTimeNow(path));
    files::FileTime t = 0;
    files::GetLastWriteTime(path, t);
    EXPECT_GT(t, 1'000'000'000'000'000'005LL);
    EXPECT_EQ(StatOf(path).st_atim.tv_sec, 1'000'000'000);
    EXPECT_EQ(ModeOf(path), 0640u);

    std::string error;
    EXPECT_FALSE(files::SetLastWriteTimeNow(dir / "missing", &error));
    EXPECT_FALSE(error.empty());

    // A read-only save keeps its time, even for root.
    chmod(path.c_str(), 0444);
    SetTimes(path, 1'000'000'000, 5);
    EXPECT_FALSE(files::SetLastWriteTimeNow(path, &error));
    EXPECT_EQ(error, "the file is read-only");
    files::GetLastWriteTime(path, t);
    EXPECT_EQ(t, 1'000'000'000'000'000'005LL);
}

TEST(FilesWriteAtomic, ReplacesKeepingModeAndCreatesWithTheUmask) {
    TempDir dir;
    const auto ini = WriteFile(dir / "EAW.INI", "[Game]\r\n");
    chmod(ini.c_str(), 0600);
    ASSERT_TRUE(files::WriteFileAtomic(ini, "[Game]\r\nPilot=Ace\r\n"));
    std::string bytes;
    ASSERT_TRUE(files::ReadWholeFile(ini, bytes));
    EXPECT_EQ(bytes, "[Game]\r\nPilot=Ace\r\n");
    EXPECT_EQ(ModeOf(ini), 0600u);

    const mode_t mask = umask(022);
    ASSERT_TRUE(files::WriteFileAtomic(dir / "new.ini", std::string("a\0b", 3)));
    umask(mask);
    EXPECT_EQ(ReadFile(dir / "new.ini"), std::string("a\0b", 3));
    EXPECT_EQ(ModeOf(dir / "new.ini"), 0644u);
    EXPECT_EQ(ListFolder(dir.Path()), "EAW.INI new.ini");
    EXPECT_FALSE(files::ReadWholeFile(dir / "missing", bytes));
}

}  // namespace
