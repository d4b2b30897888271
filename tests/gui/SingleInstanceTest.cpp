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

// In a Wayland session too: the program runs as an X11 client, and the installation's lock
// tells a second start and harbinet-cli that it runs.
TEST(SerialSingleInstance, ASecondStartBringsTheFirstForwardAndTheCliRefusesToChange) {
    ::setenv("WAYLAND_DISPLAY", "wayland-harbinet-test", 1);
    ::unsetenv("GDK_BACKEND");
    auto desktop = MakeSystemDesktop();
    // Windows this process closed a moment ago may still be on their way out.
    ASSERT_TRUE(RunEventsUntil([&] { return !desktop->WindowExists("Harbinet"); }));
    GameFolder game;
    const std::string program = WriteFile(game.Own() + "harbinet", ReadFile(HARBINET_PROGRAM));
    ASSERT_EQ(chmod(program.c_str(), 0755), 0);
    WriteFile(game.Settings(), "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n");
    Started first(program, {"/Embedding"});
    ASSERT_TRUE(RunEventsUntil([&] { return desktop->WindowExists("Harbinet"); }));
    const std::string before = ListFolder(game.Own()) + ReadFile(game.Settings());

    TestClient watch;  // as a window manager watches for requests to activate a window
    EXPECT_EQ(Started(program, {}).Ended(), 0);
    EXPECT_TRUE(watch.WaitFor([&](const XEvent& e) {
        return e.type == ClientMessage && watch.IsActivationRequest(e, e.xclient.window) &&
               watch.NameOf(e.xclient.window) == "Harbinet";
    }));
    EXPECT_TRUE(first.Running());
    const ProgramResult cli =
        RunProgram(HARBINET_CLI, {"--folder", game.Own(), "mode", "automatic"});
    EXPECT_EQ(cli.status, 1);
    EXPECT_NE(cli.err.find("Harbinet is running"), std::string::npos) << cli.err;
    EXPECT_EQ(ListFolder(game.Own()) + ReadFile(game.Settings()), before);

    kill(first.pid, SIGTERM);
    EXPECT_EQ(first.Ended(), 0);
}

// Installed system-wide, the program serves the folder given, and a start without one finds it
// remembered: here the second start finds the first.
TEST(SerialSingleInstance, AnInstalledProgramRemembersTheFolderItServes) {
    auto desktop = MakeSystemDesktop();
    ASSERT_TRUE(RunEventsUntil([&] { return !desktop->WindowExists("Harbinet"); }));
    UserHome home;
    GameFolder game;
    WriteFile(game.Settings(), "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n");
    const std::string program = HARBINET_STAGE_BIN "harbinet";
    Started first(program, {"--folder", game.Own(), "-Embedding"});
    ASSERT_TRUE(RunEventsUntil([&] { return desktop->WindowExists("Harbinet"); }));
    EXPECT_EQ(ReadFile(home.Config() + "harbinet/folder"), game.Own() + "\n");

    EXPECT_EQ(Started(program, {}).Ended(), 0);
    EXPECT_TRUE(first.Running());
    kill(first.pid, SIGTERM);
    EXPECT_EQ(first.Ended(), 0);
}

}  // namespace
}  // namespace harbinet::test
