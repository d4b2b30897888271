// Starting the game and the external applications of the "Launch" sub-menu.
#include <gtest/gtest.h>

#include <cstdio>

#include "launch/ExternalApps.h"
#include "launch/GameLauncher.h"
#include "platform/Profile.h"
#include "support/GameFolder.h"

namespace harbinet::test {
namespace {

class LaunchTest : public ::testing::Test {
  protected:
    GameFolder game;
    std::unique_ptr<ProgramState> state = game.MakeState();
    const std::string g = game.Game(), o = game.Own();

    // What the desktop was asked since the last call: "start ARGV in FOLDER;", "open PATH;".
    std::string Asked() {
        std::string out;
        for (const auto& s : game.desktop.spawned) {
            out += "start";
            for (const auto& a : s.argv) out += " " + a;
            out += " in " + s.workingFolder + ";";
        }
        for (const auto& path : game.desktop.opened) out += "open " + path + ";";
        game.desktop.spawned.clear();
        game.desktop.opened.clear();
        return out;
    }
};

// A stored path is relative to the game folder after "../" (or "..\\" as Windows wrote it),
// absolute, or else relative to the program's folder.
TEST_F(LaunchTest, ApplicationExecutablesStartInTheirFolderAndAnythingElseIsOpened) {
    const std::pair<const char*, std::string> cases[] = {
        {"../TOOLS/X.EXE", "start " + g + "TOOLS/X.EXE in " + g + "TOOLS/;"},
        {"..\\TOOLS\\X.EXE", "start " + g + "TOOLS/X.EXE in " + g + "TOOLS/;"},
        {"Panel.Exe", "start " + o + "Panel.Exe in " + o + ";"},
        {"..X.EXE", "start " + o + "..X.EXE in " + o + ";"},
        {"D:\\Util\\P.EXE", "start D:\\Util\\P.EXE in D:\\Util\\;"},
        {"README.TXT", "open " + o + "README.TXT;"},
        {"/opt/Tools/X.EXE -fast", "open /opt/Tools/X.EXE -fast;"},
        {"", "open " + o + ";"},
    };
    for (const auto& [stored, asked] : cases) {
        ASSERT_TRUE(profile::WriteString(game.Settings(), "External", "App25EXE", stored));
        LaunchExternalApp(*state, 25);
        EXPECT_EQ(Asked(), asked);
    }
    LaunchExternalApp(*state, 26);
    EXPECT_EQ(Asked(), "") << "there are 25 slots";
}

// A Windows executable starts through "Runner" of the settings, else through wine.
TEST_F(LaunchTest, RunningGameIsBroughtForwardElseTheWindowsGameStartsThroughTheRunner) {
    ASSERT_EQ(std::rename((g + "EAW.EXE").c_str(), (g + "eaw.exe").c_str()), 0);
    game.desktop.windows = {"European Air War II", "european air war"};
    LaunchGame(*state);
    EXPECT_EQ(Asked(), "start wine " + g + "eaw.exe in " + g + ";");
    ASSERT_TRUE(profile::WriteString(game.Settings(), "Harbinet", "Runner", "/opt/proton/run"));
    LaunchGame(*state);
    EXPECT_EQ(Asked(), "start /opt/proton/run " + g + "eaw.exe in " + g + ";");
    game.desktop.spawnWorks = false;
    LaunchGame(*state);
    EXPECT_EQ(game.ui.messages,
              std::vector<std::string>{"error Harbinet Error: Unable to launch " + g + "eaw.exe"});

    game.desktop.windows = {"European Air War"};
    LaunchGame(*state);
    EXPECT_EQ(game.desktop.raised, std::vector<std::string>{"European Air War"});
}

}  // namespace
}  // namespace harbinet::test
