// The external applications: their list, and starting them and the game from the "Launch"
// sub-menu; the options of the Configure dialog, with the start at login they control.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include "launch/ExternalAppList.h"
#include "launch/ExternalApps.h"
#include "launch/GameLauncher.h"
#include "platform/DesktopIntegration.h"
#include "program/Configuration.h"
#include "support/GameFolder.h"
#include "support/System.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

class ExternalAppsTest : public ::testing::Test {
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
    // The runner of Windows programs and a blank, or nothing where they run by themselves.
    static std::string Runner() {
        const std::string runner = desktop::DefaultWindowsRunner();
        return runner.empty() ? runner : runner + " ";
    }
    std::string Slots() const {
        std::string out;
        for (const auto& app : ListExternalApps(state->settings))
            out += std::to_string(app.slot) + "=" + app.description + "|" + app.executable + ";";
        return out;
    }
};

TEST_F(ExternalAppsTest, AddFillsTheLowestFreeSlotModifyKeepsItDeleteEmptiesBothKeys) {
    WriteFile(game.Settings(),
              "[External]\nApp1Desc=A\nApp1EXE=a\nApp2Desc=B\nApp2EXE=b\n"
              "App3Desc=\nApp3EXE=stale\nApp4Desc=D\nApp4EXE=d\n");
    const auto add = [&](const char* description, const char* executable) {
        unsigned slot = 0;
        return AddExternalApp(*state, description, executable, slot) ? slot : 0u;
    };
    EXPECT_EQ(add("C", "c"), 3u);
    EXPECT_TRUE(DeleteExternalApp(*state, 2));
    EXPECT_TRUE(ModifyExternalApp(*state, 4, "D2", "d2"));
    EXPECT_EQ(Slots(), "1=A|a;3=C|c;4=D2|d2;");
    EXPECT_EQ(add("B2", "b2"), 2u);
    EXPECT_TRUE(DeleteExternalApp(*state, 2));
    EXPECT_NE(ReadFile(game.Settings()).find("App2Desc=\nApp2EXE=\n"), std::string::npos);
    for (unsigned n = 2; n <= 25; ++n) add("X", "x");
    EXPECT_EQ(add("Y", "y"), 0u) << "25 slots";
    EXPECT_FALSE(ModifyExternalApp(*state, 26, "Z", "z"));
    EXPECT_EQ(game.ui.messages, std::vector<std::string>{});
}

// The executable is looked for where the launcher will start it, not in the current folder (how
// a stored path resolves is the launch's test).
TEST_F(ExternalAppsTest, ExecutableIsFoundWhereItWillBeLaunched) {
    WriteFile(game.Own() + "Panel.exe", "MZ");
    WriteFile(game.Game() + "TOOLS/X.EXE", "MZ");
    const std::string sixty(60, 'd'), accented = std::string(60, 'a') + "\xC3\xA9";
    const std::tuple<std::string, std::string, AppEntryCheck> cases[] = {
        {"Panel", "Panel.exe", AppEntryCheck::Accepted},
        {"Panel", "panel.exe",
         kNamesIgnoreCase ? AppEntryCheck::Accepted : AppEntryCheck::NotFound},
        {"Tools", "..\\TOOLS\\X.EXE", AppEntryCheck::Accepted},
        {"Tools", "..\\TOOLS", AppEntryCheck::Accepted},  // a folder
        {"", "Panel.exe", AppEntryCheck::EmptyField},
        {sixty + "d", "Panel.exe", AppEntryCheck::TooLong},
        {accented.substr(1), "Panel.exe", AppEntryCheck::Accepted},
        {"Panel", std::string(256, 'p'), AppEntryCheck::TooLong},
    };
    for (const auto& [description, executable, check] : cases)
        EXPECT_EQ(CheckExternalApp(*state, description, executable), check)
            << description << " " << executable;
}

// A stored path is relative to the game folder after "../" (or "..\\" as Windows wrote it),
// absolute, or else relative to the program's folder. What the file holds decides how it
// starts: a Windows program through the runner, an executable file itself, both in their own
// folder; anything else is opened.
TEST_F(ExternalAppsTest, ProgramsStartInTheirFolderAndAnythingElseIsOpened) {
    WriteFile(g + "TOOLS/X.EXE", "MZ");
    WriteFile(o + "Panel.Exe", "MZ");
    WriteFile(o + "README.TXT", "Read me");
    WriteFile(o + "tool.sh", "#!/bin/sh\n");
    std::filesystem::permissions(o + "tool.sh", std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    // Windows runs its programs by itself, and a script only through the shell's "open".
    const std::string start = "start " + Runner();
    const std::pair<const char*, std::string> cases[] = {
        {"../TOOLS/X.EXE", start + g + "TOOLS/X.EXE in " + g + "TOOLS/;"},
        {"..\\TOOLS\\X.EXE", start + g + "TOOLS/X.EXE in " + g + "TOOLS/;"},
        {"Panel.Exe", start + o + "Panel.Exe in " + o + ";"},
        {"tool.sh",
         Runner().empty() ? "open " + o + "tool.sh;" : "start " + o + "tool.sh in " + o + ";"},
        {"README.TXT", "open " + o + "README.TXT;"},
        {"..X.EXE", "open " + o + "..X.EXE;"},
        {"D:\\Util\\P.EXE", "open D:\\Util\\P.EXE;"},
        {"/opt/Tools/X.EXE -fast", "open /opt/Tools/X.EXE -fast;"},
        {"", "open " + o + ";"},
    };
    ASSERT_TRUE(profile::WriteString(game.Settings(), "External", "App25Desc", "Tool"));
    for (const auto& [stored, asked] : cases) {
        ASSERT_TRUE(profile::WriteString(game.Settings(), "External", "App25EXE", stored));
        EXPECT_TRUE(LaunchExternalApp(*state, 25));
        EXPECT_EQ(Asked(), asked) << stored;
    }
    EXPECT_EQ(LaunchExternalApp(*state, 24).Message(), "External application slot 24 is empty");
    EXPECT_FALSE(LaunchExternalApp(*state, 26)) << "there are 25 slots";
    EXPECT_EQ(Asked(), "");
    game.desktop.spawnWorks = false;
    EXPECT_EQ(LaunchExternalApp(*state, 25).Message(),
              "Unable to open " + o + "\nrefused by the test");
}

// A Windows executable starts through "Runner" of the settings, else through wine.
TEST_F(ExternalAppsTest, RunningGameIsBroughtForwardElseTheWindowsGameStartsThroughTheRunner) {
    ASSERT_TRUE(RenameRespelling(g + "EAW.EXE", g + "eaw.exe"));
    EXPECT_TRUE(LaunchGame(*state));
    EXPECT_EQ(Asked(), "start " + Runner() + g + "eaw.exe in " + g + ";");
    ASSERT_TRUE(profile::WriteString(game.Settings(), "Harbinet", "Runner", "/opt/proton/run"));
    EXPECT_TRUE(LaunchGame(*state));
    EXPECT_EQ(Asked(), "start /opt/proton/run " + g + "eaw.exe in " + g + ";");
    game.desktop.spawnWorks = false;
    EXPECT_EQ(LaunchGame(*state).Message(), "Unable to launch " + g + "eaw.exe");

    game.desktop.windows = {"European Air War"};
    EXPECT_TRUE(LaunchGame(*state));
    EXPECT_EQ(game.desktop.raised, std::vector<std::string>{"European Air War"});
}

TEST(Configuration, PatternListsAreCheckedTerrainSkinsCommonInThatOrder) {
    // The terrain, skin and common lists, and the one refused.
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"*.TER,GRAS*.TPC", "P*.TPC,*.3DZ", "", "none"},
        {" , ,*.TER", "P*.TPC", "*.INI", "none"},
        {"*.TER,", "", "*.INI,", "Terrain"},
        {"*.TER", "P*.TPC,", "*.INI,", "Skins"},
        {"*.TER", "P*.TPC", "*.INI,", "Common"},
        {"*.TER", "*.*", "", "Skins"},  // would take every file
    };
    for (const auto& [terrain, skins, common, refused] : cases) {
        const Configuration options{
            .objectDetail = {}, .terrainFiles = terrain, .skinFiles = skins, .commonFiles = common};
        EXPECT_EQ(RefusedPatternList(options).value_or("none"), refused) << terrain;
    }
}

// Windows keeps the start at login in the registry (tests/windows).
#ifndef _WIN32
TEST_F(ExternalAppsTest, ConfigurationIsStoredAndTheStartAtLoginFollowsIt) {
    UserHome home;
    WriteFile(game.Settings(), "[Harbinet]\nSavedObjectDetail=7\nTerrainFiles=*.TER\n");
    Configuration options = ReadConfiguration(*state);
    EXPECT_FALSE(options.objectDetail) << "no radio button stands for 7";
    options.clickDefault = options.loadOnStart = options.launchAfter = true;
    options.commonFiles = "*.INI";
    EXPECT_TRUE(ApplyConfiguration(*state, options));
    // The entry is the desktop shortcut's (checked there) under the program's plain name.
    const std::string entry = home.Config() + "autostart/harbinet.desktop";
    EXPECT_NE(ReadFile(entry).find("\nName=Harbinet\nExec=\"" + game.Own() + "harbinet\"\n"),
              std::string::npos);
    EXPECT_EQ(game.Values("Harbinet", {"SavedObjectDetail", "TerrainFiles", "ClickDefault",
                                       "LoadOnStart", "LaunchAfter", "CommonFiles"}),
              "7|*.TER|1|1|1|*.INI|");

    // A start at login that cannot be removed keeps "LoadOnStart", in the file and the state.
    options = ReadConfiguration(*state);
    options.loadOnStart = options.clickDefault = false;
    options.objectDetail = 0;
    ASSERT_TRUE(std::filesystem::remove(entry));
    WriteFile(entry + "/blocker", "");
    EXPECT_FALSE(ApplyConfiguration(*state, options));
    EXPECT_EQ(game.ui.messages.size(), 1u);
    EXPECT_EQ(ReadConfiguration(*state).objectDetail, 0u);
    EXPECT_EQ(game.Values("Harbinet", {"ClickDefault", "LoadOnStart"}), "0|1|");

    ASSERT_TRUE(std::filesystem::remove_all(entry));
    EXPECT_TRUE(ApplyConfiguration(*state, options));
    EXPECT_EQ(ListFolder(home.Config() + "autostart/"), "");
    EXPECT_TRUE(ApplyConfiguration(*state, options)) << "no entry to remove is no failure";
}
#endif

}  // namespace
}  // namespace harbinet::test
