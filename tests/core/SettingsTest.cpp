#include <gtest/gtest.h>

#include "platform/Profile.h"
#include "shell/LoadSettings.h"
#include "support/GameFolder.h"

namespace harbinet {
namespace {

using test::GameFolder;

// An installed program of the current layout: start-up neither installs nor upgrades.
void WriteInstalledSettings(const GameFolder& g) {
    test::WriteFile(g.Settings(), "[Harbinet]\r\nMode=0\r\nVersion=22\r\n");
}

TEST(Folders, DerivedFromTheExecutablePath) {
    auto f = Folders::FromExecutable("/games/EAW/Tools/X.EXE");
    EXPECT_EQ(f.OwnFolder, "/games/EAW/Tools/");
    EXPECT_EQ(f.GameFolder, "/games/EAW/");
    EXPECT_EQ(f.SettingsPath, "/games/EAW/Tools/X.INI");
    EXPECT_EQ(f.VandelholtFolder, "/games/EAW/Tools/Vandelholt/");
    EXPECT_EQ(f.TerrainFolder, "/games/EAW/Tools/Terrain/");
    EXPECT_EQ(f.SkinsFolder, "/games/EAW/Tools/Skins/");
    EXPECT_EQ(f.CommonFolder, "/games/EAW/Tools/Common/");

    // The Linux program has no extension: its settings file is its name + ".INI".
    EXPECT_EQ(Folders::FromExecutable("/g/eaw/Harbinet/harbinet").SettingsPath,
              "/g/eaw/Harbinet/harbinet.INI");
}

TEST(Folders, ProgramInTheRootFolderHasAnEmptyGameFolder) {
    auto f = Folders::FromExecutable("/harbinet");
    EXPECT_EQ(f.OwnFolder, "/");
    EXPECT_EQ(f.GameFolder, "");
}

TEST(LoadSettings, MissingKeysGiveTheirDefaults) {
    GameFolder g;
    WriteInstalledSettings(g);
    const std::string before = test::ReadFile(g.Settings());
    auto state = g.MakeState();
    LoadSettings(*state);
    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(state->Terrain, 0);
    EXPECT_EQ(state->TerrainSet, 1);  // although the first installation writes 0
    EXPECT_EQ(state->Timer, 30u);
    EXPECT_EQ(state->ClickDefault, 0u);
    EXPECT_EQ(state->LoadOnStart, 0u);
    EXPECT_EQ(state->CopySkins, 0u);
    EXPECT_EQ(state->LaunchAfter, 0u);
    EXPECT_TRUE(g.ui.messages.empty());
    EXPECT_EQ(test::ReadFile(g.Settings()), before) << "reading must not write";
}

TEST(LoadSettings, ReadsTheMirroredKeys) {
    GameFolder g;
    test::WriteFile(g.Settings(),
                    "[Harbinet]\r\nVersion=22\r\nMode=1\r\nTerrain=3\r\nTerrainSet=2\r\nTimer=5\r\n"
                    "ClickDefault=1\r\nLoadOnStart=1\r\nCopySkins=1\r\nLaunchAfter=abc\r\n");
    auto state = g.MakeState();
    LoadSettings(*state);
    EXPECT_EQ(state->Mode, 1);
    EXPECT_EQ(state->Terrain, 3);
    EXPECT_EQ(state->TerrainSet, 2);
    EXPECT_EQ(state->Timer, 5u);
    EXPECT_EQ(state->ClickDefault, 1u);
    EXPECT_EQ(state->LoadOnStart, 1u);
    EXPECT_EQ(state->CopySkins, 1u);
    EXPECT_EQ(state->LaunchAfter, 0u) << "a value without digits reads as 0";
}

TEST(LoadSettings, MissingGameIsReportedWithThePathTested) {
    GameFolder g(/*withGame=*/false);
    WriteInstalledSettings(g);
    auto state = g.MakeState();
    LoadSettings(*state);
    ASSERT_EQ(g.ui.messages.size(), 1u);
    EXPECT_EQ(g.ui.messages[0], "error Harbinet Error: EAW executable was not found in expected "
                                "path of " + g.Game() + "EAW.EXE");
}

TEST(LoadSettings, GameExecutableIsFoundIgnoringLetterCase) {
    GameFolder g(/*withGame=*/false);
    test::WriteFile(g.Game() + "eaw.exe", "MZ");
    WriteInstalledSettings(g);
    auto state = g.MakeState();
    LoadSettings(*state);
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST(SettingsStore, TerrainSetNamesAreCutToTheBuffer) {
    GameFolder g;
    SettingsStore s(g.Settings());
    const std::string longName(300, 'n');
    ASSERT_TRUE(s.Set(settings::kTerrainSets, "Terrain7", longName));
    EXPECT_EQ(s.TerrainSetName(7), std::string(255, 'n'));
    EXPECT_EQ(s.TerrainSetName(7, 30), std::string(29, 'n'));
    EXPECT_EQ(s.TerrainSetName(8), "");
}

}  // namespace
}  // namespace harbinet
