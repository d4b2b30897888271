// The program itself, started as a user would: a second start brings the first forward and ends.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include "gui/GuiSupport.h"
#include "platform/Desktop.h"
#include "support/RunProgram.h"
#include "support/UserHome.h"

// Xlib last: its macros clash with the names above.
#include "support/XTestClient.h"

namespace harbinet::test {
namespace {

// A started copy of the program; one that a failed test leaves running is killed.
struct Started {
    Started(const std::string& path, std::vector<std::string> args)
        : pid(StartProgram(path, std::move(args))), status(pid < 0 ? -1 : 0), ended(pid < 0) {}
    ~Started() {
        if (!ended && kill(pid, SIGKILL) == 0) waitpid(pid, nullptr, 0);
    }
    bool Running() {
        ended = ended || waitpid(pid, &status, WNOHANG) == pid;
        return !ended;
    }
    // Waits for the end; the exit code, or -1.
    int Ended() {
        RunEventsUntil([&] { return !Running(); });
        return ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    pid_t pid;
    int status;
    bool ended;  // or never started
};

// A second start brings the first forward and ends, and harbinet-cli refuses to change what the
// first holds: for the program copied beside the game, in a Wayland session too (it runs as an
// X11 client, and the installation's lock tells that it runs), and for the program installed
// system-wide, which remembers the folder given so that a start without one finds the first.
TEST(SerialSingleInstance, ASecondStartBringsTheFirstForwardAndTheCliRefusesToChange) {
    ::setenv("WAYLAND_DISPLAY", "wayland-harbinet-test", 1);
    ::unsetenv("GDK_BACKEND");
    auto desktop = MakeSystemDesktop();
    UserHome home;
    GameFolder copied, installed;
    const std::string program = WriteFile(copied.Own() + "harbinet", ReadFile(HARBINET_PROGRAM));
    ASSERT_EQ(chmod(program.c_str(), 0755), 0);
    const std::tuple<GameFolder*, std::string, std::vector<std::string>> starts[] = {
        {&copied, program, {"/Embedding"}},
        {&installed, HARBINET_STAGE_BIN "harbinet", {"--folder", installed.Own(), "-Embedding"}}};
    for (const auto& [game, path, args] : starts) {
        // Windows this process closed a moment ago may still be on their way out.
        ASSERT_TRUE(RunEventsUntil([&] { return !desktop->WindowExists("Harbinet"); }));
        WriteFile(game->Settings(), "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n");
        Started first(path, args);
        ASSERT_TRUE(RunEventsUntil([&] { return desktop->WindowExists("Harbinet"); }));

        TestClient watch;  // as a window manager watches for requests to activate a window
        EXPECT_EQ(Started(path, {}).Ended(), 0);
        EXPECT_TRUE(watch.WaitFor([&](const XEvent& e) {
            return e.type == ClientMessage && watch.IsActivationRequest(e, e.xclient.window) &&
                   watch.NameOf(e.xclient.window) == "Harbinet";
        }));
        EXPECT_TRUE(first.Running());
        const ProgramResult cli =
            RunProgram(HARBINET_CLI, {"--folder", game->Own(), "mode", "automatic"});
        EXPECT_EQ(cli.status, 1);
        EXPECT_NE(cli.err.find("Harbinet is running"), std::string::npos) << cli.err;
        kill(first.pid, SIGTERM);
        EXPECT_EQ(first.Ended(), 0);
    }
    EXPECT_EQ(ReadFile(home.Config() + "harbinet/folder"), installed.Own() + "\n");
}

}  // namespace
}  // namespace harbinet::test
