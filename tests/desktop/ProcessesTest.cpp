// The system desktop's programs, files and sounds: real processes in temporary folders, the
// stand-in game among them.
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

namespace harbinet::test {
namespace {

TEST(Spawn, FailsWithAReasonWhenTheProgramCannotRun) {
    TempDir dir;
    const std::string plain = WriteFile(dir / "notes.sh", "#!/bin/sh\n");  // not executable
    // Executable, but of no format the system runs: only exec in the child can tell.
    const std::string windows = WriteFile(dir / "EAW.EXE", std::string("MZ\x90\0\3\0", 6));
    ::chmod(windows.c_str(), 0755);
    const std::string out = dir / "out.txt";
    const std::string tool = WriteFile(dir / "tool.sh", "#!/bin/sh\ntouch '" + out + "'\n");
    ::chmod(tool.c_str(), 0755);
    const std::tuple<std::string, std::string, std::string> cases[] = {
        // program, folder, reason
        {dir / "missing", dir.Path(), dir / "missing"},
        {"harbinet-no-such-program-anywhere", "", "harbinet-no-such-program-anywhere"},
        {plain, dir.Path(), plain},
        {windows, dir.Path(), windows},
        {tool, dir / "no such folder/", "no such folder"},
    };
    auto desktop = MakeSystemDesktop();
    for (const auto& [program, folder, reason] : cases) {
        std::string error;
        EXPECT_FALSE(desktop->Spawn({program}, folder, &error)) << program;
        EXPECT_NE(error.find(reason), std::string::npos) << error;
    }
    EXPECT_FALSE(Exists(out));
}

// A program we start runs from the PATH in its folder with its arguments, as a grandchild whose
// parent is already reaped, and holds nothing of ours: not our standard output, which a caller
// reading it to its end ($(harbinet-cli launch)) would otherwise wait on until the game ends,
// nor any other descriptor; its standard streams are the null device. The same for the open
// handler, which may still run when ShellOpen returns.
TEST(StartedPrograms, RunInTheirFolderWithTheNullDeviceAndHoldNothingOfTheCaller) {
    for (const bool viaOpen : {false, true}) {
        TempDir dir;
        const std::string out = dir / "fds.txt", folder = dir / "Game Folder/";
        MakeFolder(folder);
        // Reports its pid, folder, arguments, standard streams and descriptors, then stays.
        const std::string program = WriteFile(dir / "bin/xdg-open", R"(#!/bin/sh
std=$(readlink /proc/$$/fd/0 /proc/$$/fd/1 /proc/$$/fd/2)
d=${0%/bin/xdg-open}
{ echo $$; pwd; for a in "$@"; do echo "[$a]"; done; echo "$std"; ls /proc/$$/fd; } > "$d/fds.part"
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
        const bool started =
            viaOpen ? desktop->ShellOpen(dir / "Readme.rtf", &error)
                    : desktop->Spawn({"xdg-open", "one two", "", "-x"}, folder, &error);
        ::dup2(ownOut, 1);
        ::close(ownOut);
        ::close(caller[1]);
        ::setenv("PATH", oldPath.c_str(), 1);
        ASSERT_TRUE(started) << viaOpen << ": " << error;
        errno = 0;
        EXPECT_TRUE(::waitpid(-1, nullptr, WNOHANG) == -1 && errno == ECHILD) << "a zombie of ours";
        ASSERT_TRUE(WaitUntil([&] { return Exists(out); }));

        // The program runs on, yet our pipe has lost its last writer.
        pollfd end{caller[0], POLLIN, 0};
        EXPECT_EQ(::poll(&end, 1, 0), 1) << viaOpen;
        EXPECT_TRUE(end.revents & POLLHUP) << viaOpen;
        const std::string fds = ReadFile(out);
        const std::string rest = fds.substr(fds.find('\n'));
        const std::string ran = viaOpen ? "\n[" + dir / "Readme.rtf]\n"
                                        : "\n" + dir / "Game Folder\n[one two]\n[]\n[-x]\n";
        EXPECT_NE(rest.find(ran + "/dev/null\n/dev/null\n/dev/null\n"), std::string::npos) << fds;
        for (const int fd : caller)
            EXPECT_EQ(rest.find("\n" + std::to_string(fd) + "\n"), std::string::npos)
                << viaOpen << ": " << fd << " in " << fds;
        ::kill(std::atoi(fds.c_str()), SIGKILL);
        ::close(caller[0]);
    }
}

// xdg-open's verdict reaches the caller; no handler at all is a failure too.
TEST(ShellOpen, TellsWhyTheTargetCouldNotBeOpened) {
    // The body of xdg-open (none when there is no xdg-open), whether it opened, the reason told.
    const std::tuple<const char*, bool, std::string> cases[] = {
        {"exit 0", true, ""},
        {"exit 3", false, "No application was found to open it"},
        {"exit 4", false, "The application failed to open it"},
        {"kill -KILL $$", false, "xdg-open ended by signal 9"},
        {nullptr, false, "xdg-open was not found (it comes with xdg-utils)"},
    };
    const std::string oldPath = std::getenv("PATH");
    for (const auto& [handler, opened, reason] : cases) {
        TempDir dir;
        if (handler) {
            WriteFile(dir / "bin/xdg-open", std::string("#!/bin/sh\n") + handler + "\n");
            ::chmod((dir / "bin/xdg-open").c_str(), 0755);
        }
        ::setenv("PATH", (dir / "bin").c_str(), 1);
        std::string error;
        EXPECT_EQ(MakeSystemDesktop()->ShellOpen(dir / "Harbinet ReadMe.RTF", &error), opened)
            << reason;
        EXPECT_EQ(error, reason);
        // The handler had a watcher of its own as parent: nothing of ours is left to reap.
        EXPECT_EQ(::waitpid(-1, nullptr, WNOHANG), -1) << reason;
    }
    ::setenv("PATH", oldPath.c_str(), 1);
}

// Started from a terminal, the program must not fill it with the sound library's complaints
// about a sound card that is not there.
TEST(PlaySound, WithoutSoundOutputNothingReachesStandardError) {
    TempDir dir;
    const std::string err = dir / "stderr.txt";
    // No sound server whatever the machine has; a sound card, if any, plays quietly.
    ::setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
    ::unsetenv("PULSE_SERVER");
    const int ownErr = ::dup(2);
    const int file = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ::close(file);
    auto desktop = MakeSystemDesktop();
    for (int i = 0; i < 2; ++i) desktop->PlaySound(HARBINET_CLICK_WAV);
    std::fflush(stderr);
    ::dup2(ownErr, 2);
    ::close(ownErr);
    EXPECT_EQ(ReadFile(err), "");
}

}  // namespace
}  // namespace harbinet::test
