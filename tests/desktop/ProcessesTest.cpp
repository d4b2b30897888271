// Starting programs with the system desktop: real processes in temporary folders.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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

// A program we start holds nothing of ours: not our standard output, which a caller reading it
// to its end ($(harbinet-cli launch)) would otherwise wait on until the game ends, nor any
// other descriptor; its standard streams are the null device. The same for the open handler,
// which may still run when ShellOpen returns.
TEST(StartedPrograms, GetTheNullDeviceAndHoldNothingOfTheCaller) {
    for (const bool viaOpen : {false, true}) {
        test::TempDir dir;
        const std::string out = dir / "fds.txt";
        // Reports its pid, its standard streams as it got them and its descriptors, then stays.
        const std::string program = WriteFile(dir / "bin/xdg-open", R"(#!/bin/sh
std=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)
d=${0%/bin/xdg-open}
{ echo $$; echo "$std"; ls /proc/$$/fd; } > "$d/fds.part"
mv "$d/fds.part" "$d/fds.txt"
exec sleep 60
)");
        ::chmod(program.c_str(), 0755);
        const std::string oldPath = std::getenv("PATH");
        ::setenv("PATH", (dir / "bin:" + oldPath).c_str(), 1);
        int caller[2];  // inheritable, as a careless library's descriptors would be
        ASSERT_EQ(::pipe(caller), 0);
        std::fflush(stdout);
        const int ownOut = ::dup(1);
        ::dup2(caller[1], 1);
        std::string error;
        auto desktop = MakeSystemDesktop();
        const bool started = viaOpen ? desktop->ShellOpen(dir / "Readme.rtf", &error)
                                     : desktop->Spawn({program}, dir.Path(), &error);
        ::dup2(ownOut, 1);
        ::close(ownOut);
        ::close(caller[1]);
        ::setenv("PATH", oldPath.c_str(), 1);
        ASSERT_TRUE(started) << viaOpen << ": " << error;
        ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));

        // The program runs on, yet our pipe has lost its last writer.
        pollfd end{caller[0], POLLIN, 0};
        EXPECT_EQ(::poll(&end, 1, 0), 1) << viaOpen;
        EXPECT_TRUE(end.revents & POLLHUP) << viaOpen;
        const std::string fds = ReadFile(out);
        const std::string rest = fds.substr(fds.find('\n') + 1);
        EXPECT_TRUE(rest.starts_with("/dev/null\n/dev/null\n/dev/null\n")) << fds;
        for (const int fd : caller)
            EXPECT_EQ(("\n" + rest).find("\n" + std::to_string(fd) + "\n"), std::string::npos)
                << viaOpen << ": " << fd << " in " << fds;
        ::kill(std::atoi(fds.c_str()), SIGKILL);
        ::close(caller[0]);
    }
}

// xdg-open's verdict reaches the caller; no handler at all is a failure too.
TEST(ShellOpen, TellsWhyTheTargetCouldNotBeOpened) {
    const struct {
        const char* handler;  // the body of xdg-open, none when there is no xdg-open
        bool opened;
        std::string reason;
    } cases[] = {
        {"exit 0", true, ""},
        {"exit 3", false, "No application was found to open it"},
        {"exit 4", false, "The application failed to open it"},
        {"kill -KILL $$", false, "xdg-open ended by signal 9"},
        {nullptr, false, "xdg-open was not found (it comes with xdg-utils)"},
    };
    const std::string oldPath = std::getenv("PATH");
    for (const auto& c : cases) {
        test::TempDir dir;
        if (c.handler) {
            WriteFile(dir / "bin/xdg-open", std::string("#!/bin/sh\n") + c.handler + "\n");
            ::chmod((dir / "bin/xdg-open").c_str(), 0755);
        }
        ::setenv("PATH", (dir / "bin").c_str(), 1);
        std::string error;
        EXPECT_EQ(MakeSystemDesktop()->ShellOpen(dir / "Harbinet ReadMe.RTF", &error), c.opened)
            << c.reason;
        EXPECT_EQ(error, c.reason);
        // The handler had a watcher of its own as parent: nothing of ours is left to reap.
        EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << c.reason;
    }
    ::setenv("PATH", oldPath.c_str(), 1);
}

}  // namespace
}  // namespace harbinet
