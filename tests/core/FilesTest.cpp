#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <climits>
#include <functional>

#include "platform/Files.h"
#include "support/TempDir.h"

namespace harbinet::test {
namespace {

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
    MakeFolder(dir / "D.TER");
    ASSERT_EQ(mkfifo((dir / "E.TER").c_str(), 0644), 0);  // a pipe is no file: never found

    chmod((dir / "b.TER").c_str(), 0444);

    std::string names;
    for (const auto& f : files::FindFiles(dir.Path(), "*.TER"))
        names += f.name + (f.folder ? "/ " : f.readOnly ? "(read-only) " : " ");
    EXPECT_EQ(names, "A.ter a.TER b.TER(read-only) D.TER/ ");
    EXPECT_EQ(files::FindFiles(dir.Path(), "*").size(), 6u) << "never . or ..";
    EXPECT_TRUE(files::FindFiles(dir.Path(), "").empty());

    const auto path = WriteFile(dir / "x.sve", "data");
    SetTimes(path, 1'000'000'000, 123'456'789);
    const auto found = files::FindFiles(dir.Path(), "X.SVE");
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].lastWrite, 1'000'000'000'123'456'789LL);
    SetTimes(path, 32'503'680'000, 0);  // the year 3000 is later than any time that fits
    EXPECT_EQ(files::FindFiles(dir.Path(), "X.SVE")[0].lastWrite, INT64_MAX);
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

// A copy takes its source's mode and time, a write keeps the file's mode or takes the umask's,
// a stamp sets only the write time; none leaves a temporary file.
TEST(FilesWrite, KeepsTheModeAndSetsOnlyTheTimesItMust) {
    TempDir dir;
    const auto src = WriteFile(dir / "src/a.TER", std::string(300'000, 'n'));
    const auto dst = WriteFile(dir / "dst/a.TER", "old");
    chmod(src.c_str(), 0750);
    SetTimes(src, 900'000'000, 42);
    ASSERT_TRUE(files::CopyFile(src, dst));
    EXPECT_EQ(ReadFile(dst), std::string(300'000, 'n'));
    EXPECT_EQ(ModeOf(dst), 0750u);
    EXPECT_EQ(StatOf(dst).st_mtim.tv_sec * 1'000'000'000LL + StatOf(dst).st_mtim.tv_nsec,
              900'000'000'000'000'042LL);

    const auto ini = WriteFile(dir / "dst/EAW.INI", "[Game]\r\n");
    chmod(ini.c_str(), 0600);
    ASSERT_TRUE(files::WriteFileAtomic(ini, "[Game]\r\nPilot=Ace\r\n"));
    std::string bytes;
    ASSERT_TRUE(files::ReadWholeFile(ini, bytes));
    EXPECT_EQ(bytes, "[Game]\r\nPilot=Ace\r\n");
    EXPECT_EQ(ModeOf(ini), 0600u);
    const mode_t mask = umask(022);
    ASSERT_TRUE(files::WriteFileAtomic(dir / "dst/new.ini", std::string("a\0b", 3)));
    umask(mask);
    EXPECT_EQ(ReadFile(dir / "dst/new.ini"), std::string("a\0b", 3));
    EXPECT_EQ(ModeOf(dir / "dst/new.ini"), 0644u);
    EXPECT_EQ(ListFolder(dir / "dst/"), "EAW.INI a.TER new.ini");
    EXPECT_FALSE(files::ReadWholeFile(dir / "missing", bytes));

    SetTimes(ini, 1'000'000'000, 5);
    ASSERT_TRUE(files::SetLastWriteTimeNow(ini));
    files::FileTime t = 0;
    files::GetLastWriteTime(ini, t);
    EXPECT_GT(t, 1'000'000'000'000'000'005LL);
    EXPECT_EQ(StatOf(ini).st_atim.tv_sec, 1'000'000'000);
    EXPECT_EQ(ModeOf(ini), 0600u);
}

// Read-only files refuse to be overwritten or deleted, folders are never copied or deleted:
// every refused operation leaves the folder exactly as it was.
TEST(Files, RefusedOperationsChangeNothing) {
    TempDir dir;
    const auto src = WriteFile(dir / "src.TER", "new");
    const auto kept = WriteFile(dir / "kept.TER", "kept");
    const auto locked = WriteFile(dir / "locked.TER", "old");
    chmod(locked.c_str(), 0444);
    SetTimes(locked, 1'000'000'000, 5);
    const auto full = dir / "full";
    WriteFile(full + "/inside", "x");
    const auto pipe = dir / "pipe.TER";
    mkfifo(pipe.c_str(), 0644);
    std::string stampError, missingError;
    const std::pair<const char*, std::function<bool()>> refused[] = {
        {"copy over a read-only file", [&] { return files::CopyFile(src, locked); }},
        {"write a read-only file", [&] { return files::WriteFileAtomic(locked, "x"); }},
        {"copy onto a folder", [&] { return files::CopyFile(src, full); }},
        {"copy a folder", [&] { return files::CopyFile(full, dir / "copy"); }},
        {"copy a file onto itself", [&] { return files::CopyFile(src, src); }},
        {"copy a pipe", [&] { return files::CopyFile(pipe, dir / "copy"); }},
        {"delete a pipe", [&] { return files::DeleteFile(pipe); }},
        {"copy if absent over a file", [&] { return files::CopyFileIfAbsent(src, kept); }},
        {"delete a read-only file", [&] { return files::DeleteFile(locked); }},
        {"delete a folder", [&] { return files::DeleteFile(full); }},
        {"make a folder over a file", [&] { return files::CreateFolder(locked); }},
        {"remove a folder with a file", [&] { return files::RemoveEmptyFolder(full); }},
        {"stamp a read-only file", [&] { return files::SetLastWriteTimeNow(locked, &stampError); }},
        {"stamp a missing file",
         [&] { return files::SetLastWriteTimeNow(dir / "missing", &missingError); }},
    };
    for (const auto& [what, operation] : refused) EXPECT_FALSE(operation()) << what;

    EXPECT_EQ(ListFolder(dir.Path()), "full/ kept.TER locked.TER pipe.TER src.TER");
    EXPECT_EQ(ReadFile(src) + " " + ReadFile(kept) + " " + ReadFile(locked), "new kept old");
    EXPECT_TRUE(files::IsReadOnly(locked));
    files::FileTime t = 0;
    files::GetLastWriteTime(locked, t);
    EXPECT_EQ(t, 1'000'000'000'000'000'005LL) << "a read-only save keeps its time, even for root";
    EXPECT_EQ(stampError, "the file is read-only");
    EXPECT_FALSE(missingError.empty());
}

TEST(FilesCopy, FullDiskLeavesOldTargetsAndNoTemporaryFile) {
    TempDir dir;
    const auto src = WriteFile(dir / "src/big.TER", std::string(1 << 20, 'x'));
    const auto dst = WriteFile(dir / "dst/big.TER", "old");
    const auto ini = WriteFile(dir / "dst/EAW.INI", "[Game]\r\n");

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

// The compare reads in growing chunks: a difference at either side of each chunk's end shows.
TEST(FilesCompare, ADifferenceAnywhereShowsAndEqualBytesAreEqual) {
    TempDir dir;
    const std::string bytes(600'000, 'x');
    const auto a = WriteFile(dir / "a.TER", bytes);
    for (const std::size_t at : {0, 16383, 16384, 81919, 81920, 344063, 344064, 599999}) {
        std::string other = bytes;
        other[at] = 'y';
        EXPECT_FALSE(files::SameContents(a, WriteFile(dir / "b.TER", other))) << at;
    }
    EXPECT_TRUE(files::SameContents(a, WriteFile(dir / "b.TER", bytes)));
    EXPECT_FALSE(files::SameContents(a, WriteFile(dir / "b.TER", bytes + "x")));
    EXPECT_TRUE(files::SameContents(WriteFile(dir / "e1", ""), WriteFile(dir / "e2", "")));
}

// A copy killed part-way leaves its temporary file, named with its process id (the kill points
// see such files go at the next start); the clean-up removes only those whose process is gone.
TEST(FilesStaleTemporaryFiles, OnlyThoseOfGoneProcessesAreRemoved) {
    TempDir dir;
    const pid_t gone = fork();
    if (gone == 0) _exit(0);
    waitpid(gone, nullptr, 0);
    const std::string hex = "0123456789abcdef",
                      goneName = ".harbinet-" + std::to_string(gone) + "-";
    const std::string kept[] = {".harbinet-" + std::to_string(getpid()) + "-" + hex + ".tmp",
                                goneName + hex + ".tmp.part",
                                goneName + "0123456789ABCDEF.tmp",
                                ".harbinet-0" + goneName.substr(10) + hex + ".tmp",
                                "harbinet-" + hex + ".tmp",
                                ".harbinet-" + hex + ".tmp"};
    for (const std::string& name : kept) WriteFile(dir / name, "kept");
    WriteFile(dir / (goneName + hex + ".tmp"), "left by a killed copy");
    MakeFolder(dir / (goneName + "fedcba9876543210.tmp"));

    EXPECT_EQ(files::RemoveStaleTemporaryFiles(dir.Path()), 1);
    EXPECT_EQ(ListFolder(dir.Path()), Sorted({kept[0], kept[1], kept[2], kept[3], kept[4], kept[5],
                                              goneName + "fedcba9876543210.tmp/"}));
}

// The terrain, skin and career patterns must pick exactly the files Windows would pick, or the
// program deletes or copies the wrong files of the game folder. One case of each rule: the
// wildcard fuzz harness holds the matcher against a reference written from the rules.
TEST(Wildcard, MatchesAsWindowsDoes) {
    const std::tuple<std::string_view, std::string_view, bool> cases[] = {
        // Trailing dots and blanks of the pattern are dropped; nothing is left of some.
        {"EAW.*", "EAW", true},
        {"a.TER. .", "a.ter", true},
        {"...", "a", false},
        // "*.*" matches every name, with or without a dot, as "*" does.
        {"*.*", "noextension", true},
        // "*." matches only names without a dot.
        {"*.", "Savedata", true},
        {"*.", "EAW.INI", false},
        // A star before the extension stops at the last dot.
        {"*.TER", "x.ter.ter", true},
        {"*.TER", "a.TER.bak", false},
        {"GRAS*.TPC", "gras.tpc", true},
        {"P*.TPC", "xP1.TPC", false},
        // "?" matches one character, or nothing at a dot or past the end.
        {"a?", "a", true},
        {"a?", "abc", false},
        {"a?.TER", "a.TER", true},
        // Every other character matches itself, ASCII letters ignoring case.
        {"My File.txt", "my file.TXT", true},
        {"\xc3\x89t\xc3\xa9", "\xc3\xa9t\xc3\xa9", false},
        {"[a].x", "[A].X", true},
    };
    for (const auto& [pattern, name, matches] : cases)
        EXPECT_EQ(files::WildcardMatch(pattern, name), matches) << pattern << " " << name;
}

}  // namespace
}  // namespace harbinet::test
