// Starting programs with the system desktop: real processes in temporary folders.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "platform/Desktop.h"
#include "support/TempDir.h"
#include "support/Wait.h"

namespace harbinet {
namespace {

using test::ReadFile;
using test::WaitUntil;
using test::WriteFile;
using test::WriteScript;

TEST(Spawn, RunsFromThePathInItsFolderWithItsArgumentsAndLeavesNoChild) {
    test::TempDir dir;
    const std::string folder = dir / "Game Folder/", out = dir / "out.txt";
    test::MakeFolder(folder);
    WriteScript(dir / "bin/harbinet-test-tool", "pwd; for a in \"$@\"; do echo \"[$a]\"; done",
                out);
    const std::string oldPath = std::getenv("PATH");
    ::setenv("PATH", (dir.Path() + "bin:" + oldPath).c_str(), 1);

    std::string error;
    const bool started =
        MakeSystemDesktop()->Spawn({"harbinet-test-tool", "one two", "", "-x"}, folder, &error);
    ::setenv("PATH", oldPath.c_str(), 1);
    ASSERT_TRUE(started) << error;
    // The program runs as a grandchild whose parent is already reaped: no zombie of ours.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    EXPECT_EQ(ReadFile(out), dir / "Game Folder\n[one two]\n[]\n[-x]\n");
}

TEST(Spawn, FailsWithAReasonWhenTheProgramCannotRun) {
    test::TempDir dir;
    const std::string plain = WriteFile(dir / "notes.sh", "#!/bin/sh\n");  // not executable
    // Executable, but of no format the system runs: only exec in the child can tell.
    const std::string windows = WriteFile(dir / "EAW.EXE", std::string("MZ\x90\0\3\0", 6));
    ::chmod(windows.c_str(), 0755);
    const std::string out = dir / "out.txt";
    const std::string tool = WriteScript(dir / "tool.sh", "pwd", out);
    const struct {
        std::string program, folder, reason;
    } cases[] = {
        {dir / "missing", dir.Path(), dir / "missing"},
        {"harbinet-no-such-program-anywhere", "", "harbinet-no-such-program-anywhere"},
        {plain, dir.Path(), plain},
        {windows, dir.Path(), windows},
        {tool, dir / "no such folder/", "no such folder"},
    };
    auto desktop = MakeSystemDesktop();
    for (const auto& c : cases) {
        std::string error;
        EXPECT_FALSE(desktop->Spawn({c.program}, c.folder, &error)) << c.program;
        EXPECT_NE(error.find(c.reason), std::string::npos) << error;
    }
    EXPECT_FALSE(test::Exists(out));
}

TEST(Spawn, ChildInheritsNoDescriptors) {
    test::TempDir dir;
    const std::string out = dir / "fds.txt";
    const std::string program = WriteScript(dir / "fds.sh", "ls /proc/$$/fd", out);
    const int leaky = ::open("/dev/null", O_RDONLY);  // deliberately without O_CLOEXEC
    ASSERT_GE(leaky, 0);
    std::string error;
    const bool started = MakeSystemDesktop()->Spawn({program}, dir.Path(), &error);
    ::close(leaky);
    ASSERT_TRUE(started) << error;
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    const std::string fds = "\n" + ReadFile(out);
    EXPECT_NE(fds.find("\n0\n"), std::string::npos) << fds;
    EXPECT_EQ(fds.find("\n" + std::to_string(leaky) + "\n"), std::string::npos) << fds;
}

}  // namespace
}  // namespace harbinet
