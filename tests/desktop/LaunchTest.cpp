// Launching with real processes (the stand-in game, runner scripts) and harbinet-cli beside a
// running Harbinet.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "launch/ExternalApps.h"
#include "launch/GameLauncher.h"
#include "platform/Profile.h"
#include "support/GameFolder.h"
#include "support/Wait.h"
#include "support/XTestClient.h"

namespace harbinet {
namespace {

using test::ReadFile;
using test::WaitUntil;

// Records its working folder and arguments in out.
std::string RecordingScript(const std::string& path, const std::string& out) {
    return test::WriteScript(path, "pwd; for a in \"$@\"; do echo \"[$a]\"; done", out);
}

// A game folder whose EAW.EXE is the stand-in game; the games it started end with the test.
class Launching : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFile(exe, ReadFile(HARBINET_STANDIN_GAME));
        ::chmod(exe.c_str(), 0755);
        // Installed already: the verbs' start-up neither installs nor upgrades.
        test::WriteFile(game.Settings(), "[Harbinet]\r\nVersion=22\r\nMode=0\r\n");
    }
    void TearDown() override {
        for (const std::string& line : GameLog()) ::kill(std::atoi(line.c_str()), SIGTERM);
        if (!oldPath.empty()) ::setenv("PATH", oldPath.c_str(), 1);
    }
    // One line per start of the stand-in game: "PID<TAB>FOLDER<TAB>ARGUMENTS".
    std::vector<std::string> GameLog() const {
        std::vector<std::string> lines;
        std::istringstream in(test::Exists(log) ? ReadFile(log) : "");
        for (std::string line; std::getline(in, line);) lines.push_back(line);
        return lines;
    }

    test::GameFolder game;
    const std::string exe = game.Game() + "EAW.EXE", log = game.Game() + "standin-game.log";
    test::TempDir scratch;
    std::unique_ptr<Desktop> desktop = MakeSystemDesktop();
    ProgramState state{Folders::FromExecutable(game.Own() + "harbinet"), game.ui, *desktop};
    std::string oldPath;
};

TEST_F(Launching, StartsTheGameOnceAndThenBringsItsWindowForward) {
    test::TestClient client;
    if (!client.Ok()) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    LaunchGame(state);
    ASSERT_TRUE(WaitUntil([&] { return desktop->WindowExists("European Air War"); }));
    ASSERT_EQ(GameLog().size(), 1u);
    const std::string folder = game.Game().substr(0, game.Game().size() - 1);
    EXPECT_TRUE(GameLog()[0].ends_with("\t" + folder + "\t" + exe)) << GameLog()[0];

    // The game runs: a second launch raises its window and starts nothing.
    const Window window = client.FindTopLevel("European Air War");
    ASSERT_NE(window, None);
    LaunchGame(state);
    EXPECT_TRUE(
        client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, window); }));
    EXPECT_EQ(GameLog().size(), 1u);
    EXPECT_TRUE(game.ui.messages.empty());
}

TEST_F(Launching, ExternalApplicationsStartInTheirFolderOrGoToTheOpenHandler) {
    const std::string bin = scratch / "bin/";
    oldPath = std::getenv("PATH");
    ::setenv("PATH", (bin + ":" + oldPath).c_str(), 1);
    const std::string opened = scratch / "opened.txt", started = scratch / "tool.txt";
    RecordingScript(bin + "xdg-open", opened);
    RecordingScript(game.Game() + "TOOLS/Tool.Exe", started);
    ASSERT_TRUE(
        profile::WriteString(game.Settings(), "External", "App4EXE", "..\\TOOLS\\Tool.Exe"));
    ASSERT_TRUE(profile::WriteString(game.Settings(), "External", "App5EXE", "README.TXT"));

    LaunchExternalApp(state, 4);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(started); }));
    EXPECT_EQ(ReadFile(started), game.Game() + "TOOLS\n");
    LaunchExternalApp(state, 5);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(opened); }));
    EXPECT_NE(ReadFile(opened).find("\n[" + game.Own() + "README.TXT]\n"), std::string::npos);
    EXPECT_TRUE(game.ui.messages.empty());

    // No application for the file: the user is told which file and why.
    test::WriteFile(bin + "xdg-open", "#!/bin/sh\nexit 3\n");
    LaunchExternalApp(state, 5);
    EXPECT_EQ(game.ui.messages,
              std::vector<std::string>{"error Harbinet Error: Unable to open " + game.Own() +
                                       "README.TXT\nNo application was found to open it"});
}

}  // namespace
}  // namespace harbinet
