// The file layer on Windows: names outside the ANSI code page, paths past MAX_PATH (260
// characters), read-only files, the temporary files of ended processes and the locks of an
// installation. Each case is checked through the program's own file functions, since the C
// runtime's narrow functions could not even name these files.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "platform/Files.h"
#include "platform/InstallationLock.h"
#include "support/System.h"
#include "support/TempDir.h"

namespace harbinet::test {
namespace {

// The names in a folder, sorted, folders marked with "/", as the program's search sees them.
std::string Found(const std::string& folder) {
    std::string out;
    for (const auto& f : files::FindFiles(folder, "*"))
        out += (out.empty() ? "" : " ") + f.name + (f.folder ? "/" : "");
    return out;
}

std::string Read(const std::string& path) {
    std::string bytes;
    return files::ReadWholeFile(path, bytes) ? bytes : "<unread>";
}

// Every operation on folders and files named in scripts no code page holds at once, and a path
// far past 260 characters: made, written, found, copied, moved, read and removed.
TEST(WindowsFiles, NamesOfAnyScriptAndLongPathsWorkThroughEveryOperation) {
    TempDir dir;
    const std::string longFolder = dir.Path() + std::string(120, 'a') + "/" +
                                   std::string(120, 'b') + "/" + std::string(40, 'c') + "/";
    const std::pair<std::string, std::string> cases[] = {
        // folder, file name
        {dir / "Zo\xC3\xAB/K\xC3\xBCste/", "MAP.TER"},                    // Latin-1 letters
        {dir / "\xCE\xA9mega/", "\xE6\x97\xA5\xE6\x9C\xAC.TER"},          // Greek, Japanese
        {dir / "\xD0\x9C\xD0\xBE\xD1\x80\xD0\xB5/", "K\xC3\xBCste.TER"},  // Cyrillic
        {longFolder, "MAP.TER"},
    };
    for (const auto& [folder, name] : cases) {
        ASSERT_GT(folder.size() + name.size(), 0u);
        ASSERT_TRUE(files::CreateFolders(folder)) << folder;
        const std::string path = folder + name;
        ASSERT_TRUE(files::WriteFileAtomic(path, "terrain")) << path;
        EXPECT_EQ(Found(folder), name);
        EXPECT_TRUE(files::CopyFile(path, folder + "copy.TER"));
        EXPECT_EQ(files::MoveFile(folder + "copy.TER", folder + "moved.TER"),
                  files::MoveOutcome::Moved);
        EXPECT_EQ(Read(folder + "moved.TER"), "terrain");
        EXPECT_EQ(files::ResolveName(folder, "MOVED.ter"), folder + "moved.TER");
        EXPECT_TRUE(files::Stamp(path).IsFile());
        EXPECT_TRUE(files::SetLastWriteTimeNow(path));
        EXPECT_TRUE(files::DeleteFile(path));
        EXPECT_TRUE(files::DeleteFile(folder + "moved.TER"));
        EXPECT_EQ(Found(folder), "");
        EXPECT_TRUE(files::RemoveEmptyFolder(folder));
    }
    EXPECT_GT(longFolder.size(), 280u);
}

// Read-only files refuse every change, and a copy of one is writable and keeps its source's
// time, as on Linux.
TEST(WindowsFiles, ReadOnlyFilesRefuseChangesAndTheirCopiesAreWritable) {
    TempDir dir;
    const std::string locked = WriteFile(dir / "LOCKED.TER", "old");
    const std::string src = WriteFile(dir / "SRC.TER", "new");
    ASSERT_TRUE(SetWriteTime(locked, 1'000'000'000, 500));
    ASSERT_TRUE(MakeReadOnly(locked));
    std::string stampError;
    const std::pair<const char*, std::function<bool()>> refused[] = {
        {"copy over", [&] { return files::CopyFile(src, locked); }},
        {"write", [&] { return files::WriteFileAtomic(locked, "x"); }},
        {"delete", [&] { return files::DeleteFile(locked); }},
        {"stamp", [&] { return files::SetLastWriteTimeNow(locked, &stampError); }},
    };
    for (const auto& [what, operation] : refused) EXPECT_FALSE(operation()) << what;
    EXPECT_EQ(Read(locked), "old");
    EXPECT_EQ(stampError, "the file is read-only");

    ASSERT_TRUE(files::CopyFile(locked, dir / "COPY.TER"));
    EXPECT_FALSE(files::IsReadOnly(dir / "COPY.TER"));
    EXPECT_EQ(files::Stamp(dir / "COPY.TER").lastWrite, 1'000'000'000'000'000'500LL);
    EXPECT_EQ(Found(dir.Path()), "COPY.TER LOCKED.TER SRC.TER") << "no temporary file is left";
}

// A temporary file is removed only when the process named in it has ended.
TEST(WindowsFiles, OnlyTemporaryFilesOfEndedProcessesAreRemoved) {
    TempDir dir;
    const std::string hex = "0123456789abcdef";
    const std::string ended = ".harbinet-" + std::to_string(EndedProcessId()) + "-" + hex + ".tmp";
    const std::string own = ".harbinet-" + std::to_string(OwnProcessId()) + "-" + hex + ".tmp";
    WriteFile(dir / ended, "left by a killed copy");
    WriteFile(dir / own, "in use");
    EXPECT_EQ(files::RemoveStaleTemporaryFiles(dir.Path()), 1);
    EXPECT_EQ(Found(dir.Path()), own);
}

// The two locks of an installation conflict between holders, also within one process, and a
// holder does not see its own lock as another's.
TEST(WindowsLocks, EachLockHasOneHolderAtATime) {
    TempDir dir;
    using Kind = InstallationLock::Kind;
    InstallationLock first(dir.Path()), second(dir.Path());
    ASSERT_TRUE(first.Usable());
    ASSERT_TRUE(first.Take(Kind::Program));
    EXPECT_FALSE(first.HeldElsewhere(Kind::Program));
    EXPECT_TRUE(second.HeldElsewhere(Kind::Program));
    EXPECT_FALSE(second.Take(Kind::Program));
    EXPECT_TRUE(second.Take(Kind::Change)) << "the change lock is another byte";
    first.Release(Kind::Program);
    EXPECT_TRUE(second.Take(Kind::Program));
    EXPECT_EQ(Found(dir.Path()), ".harbinet.lock");
}

// Windows cannot test a lock without taking it: processes that look at once (two command-line
// runs) must not take each other for the program, nor a look keep the program from starting.
TEST(WindowsLocks, LooksAtOnceSeeNoHolderAndNeverKeepTheHolderOut) {
    TempDir dir;
    using Kind = InstallationLock::Kind;
    InstallationLock first(dir.Path()), second(dir.Path()), program(dir.Path());
    std::atomic<int> seen{0};
    std::atomic<bool> stop{false};
    std::thread looker([&] {
        while (!stop) {
            seen += first.HeldElsewhere(Kind::Program);
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    });
    for (int i = 0; i < 2000; ++i) seen += second.HeldElsewhere(Kind::Program);
    EXPECT_EQ(seen, 0);
    for (int i = 0; i < 50; ++i) {
        EXPECT_TRUE(program.Take(Kind::Program)) << i;
        program.Release(Kind::Program);
    }
    stop = true;
    looker.join();
}

}  // namespace
}  // namespace harbinet::test
