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

std::string Script(const std::string& path, const std::string& body) {
    WriteFile(path, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
    return path;
}

// A child that records where it ran and what it was given, written whole by a rename.
std::string RecordingScript(const std::string& path, const std::string& out) {
    return Script(path, "{ pwd; echo \"$0\"; for a in \"$@\"; do echo \"[$a]\"; done; } > '" + out +
                            ".part'\nmv '" + out + ".part' '" + out + "'\n");
}

TEST(Spawn, RunsInTheWorkingFolderWithItsArguments) {
    test::TempDir dir;
    const std::string folder = dir / "Game Folder/";
    test::MakeFolder(folder);
    const std::string out = dir / "out.txt";
    const std::string program = RecordingScript(dir / "tool.sh", out);

    auto desktop = MakeSystemDesktop();
    std::string error;
    ASSERT_TRUE(desktop->Spawn({program, "one two", "", "-x"}, folder, &error)) << error;
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    EXPECT_EQ(ReadFile(out),
              folder.substr(0, folder.size() - 1) + "\n" + program + "\n[one two]\n[]\n[-x]\n");
}

TEST(Spawn, FindsAProgramOnThePathAndLeavesNoChildBehind) {
    test::TempDir dir;
    const std::string out = dir / "out.txt";
    RecordingScript(dir / "bin/harbinet-test-tool", out);
    const std::string oldPath = std::getenv("PATH");
    ::setenv("PATH", (dir.Path() + "bin:" + oldPath).c_str(), 1);

    auto desktop = MakeSystemDesktop();
    std::string error;
    const bool started = desktop->Spawn({"harbinet-test-tool", "arg"}, dir.Path(), &error);
    ::setenv("PATH", oldPath.c_str(), 1);
    ASSERT_TRUE(started) << error;

    // The program runs as a grandchild and the intermediate child is already reaped: nothing
    // is left for us to wait for, so nothing can become our zombie.
    errno = 0;
    EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1);
    EXPECT_EQ(errno, ECHILD);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    EXPECT_NE(ReadFile(out).find("[arg]"), std::string::npos);
}

TEST(Spawn, FailsWithAReasonWhenTheProgramCannotRun) {
    test::TempDir dir;
    auto desktop = MakeSystemDesktop();
    std::string error;

    EXPECT_FALSE(desktop->Spawn({dir / "missing"}, dir.Path(), &error));
    EXPECT_NE(error.find(dir / "missing"), std::string::npos) << error;

    error.clear();
    EXPECT_FALSE(desktop->Spawn({"harbinet-no-such-program-anywhere"}, "", &error));
    EXPECT_NE(error.find("harbinet-no-such-program-anywhere"), std::string::npos) << error;

    error.clear();
    const std::string plain = WriteFile(dir / "notes.sh", "#!/bin/sh\n");  // not executable
    EXPECT_FALSE(desktop->Spawn({plain}, dir.Path(), &error));
    EXPECT_FALSE(error.empty());

    // Executable but of no format the system runs: only exec itself can tell, in the child.
    error.clear();
    const std::string windows = WriteFile(dir / "EAW.EXE", std::string("MZ\x90\0\3\0", 6));
    ::chmod(windows.c_str(), 0755);
    EXPECT_FALSE(desktop->Spawn({windows}, dir.Path(), &error));
    EXPECT_NE(error.find(windows), std::string::npos) << error;

    error.clear();
    const std::string out = dir / "out.txt";
    const std::string program = RecordingScript(dir / "tool.sh", out);
    EXPECT_FALSE(desktop->Spawn({program}, dir / "no such folder/", &error));
    EXPECT_NE(error.find("no such folder"), std::string::npos) << error;
    EXPECT_FALSE(test::Exists(out));
}

TEST(Spawn, ChildInheritsNoDescriptors) {
    test::TempDir dir;
    const std::string out = dir / "fds.txt";
    const std::string program = Script(dir / "fds.sh", "ls /proc/$$/fd > '" + out + ".part'\nmv '" +
                                                           out + ".part' '" + out + "'\n");
    const int leaky = ::open("/dev/null", O_RDONLY);  // deliberately without O_CLOEXEC
    ASSERT_GE(leaky, 0);
    ASSERT_EQ(::dup2(leaky, 57), 57);

    auto desktop = MakeSystemDesktop();
    std::string error;
    const bool started = desktop->Spawn({program}, dir.Path(), &error);
    ::close(57);
    ::close(leaky);
    ASSERT_TRUE(started) << error;
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    const std::string fds = "\n" + ReadFile(out);
    EXPECT_NE(fds.find("\n0\n"), std::string::npos) << fds;
    EXPECT_EQ(fds.find("\n57\n"), std::string::npos) << fds;
    EXPECT_EQ(fds.find("\n" + std::to_string(leaky) + "\n"), std::string::npos) << fds;
}

TEST(ShellOpen, HandsTheTargetToXdgOpenOnThePath) {
    test::TempDir dir;
    const std::string out = dir / "opened.txt";
    RecordingScript(dir / "bin/xdg-open", out);
    const std::string oldPath = std::getenv("PATH");
    ::setenv("PATH", (dir.Path() + "bin:" + oldPath).c_str(), 1);
    auto desktop = MakeSystemDesktop();
    desktop->ShellOpen("/games/EAW/Harbinet/README.TXT");
    ::setenv("PATH", oldPath.c_str(), 1);

    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    EXPECT_NE(ReadFile(out).find("\n[/games/EAW/Harbinet/README.TXT]\n"), std::string::npos);
}

}  // namespace
}  // namespace harbinet
