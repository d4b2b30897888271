// What start-up takes from its surroundings: the splash from the command line, and the
// settings file.
#include <gtest/gtest.h>

#include <unistd.h>

#include "install/ServedFolder.h"
#include "program/CommandLine.h"
#include "program/LoadSettings.h"
#include "support/GameFolder.h"

namespace harbinet::test {
namespace {

TEST(CommandLine, EmbeddingOrAutomationSuppressTheSplashTheLastFolderSwitchNamesTheFolder) {
    EXPECT_FALSE(SplashWanted({"career.sve", "-eMbEdDiNg"}));
    EXPECT_FALSE(SplashWanted({"/Automation"}));
    EXPECT_TRUE(SplashWanted({"Embedding", "-Embeddings", "/Automation=1"}));
    EXPECT_EQ(FolderArgument({"--folder", "/a/", "--folder=/b c/"}), "/b c/");
    EXPECT_EQ(FolderArgument({"--folder", "--folder"}), "--folder");
    EXPECT_EQ(FolderArgument({"--folders=/x/", "-folder", "/x/", "--folder"}), std::nullopt);
}

// A folder is remembered while it exists, and a folder picked must hold the game.
TEST(ServedFolder, RememberedWhileItExistsAndPickedOnlyWithTheGame) {
    GameFolder g, noGame(false);
    std::string own;
    EXPECT_EQ(
        ProgramFolderInGame(noGame.Game(), own).Message(),
        "EAW.EXE is not in " + noGame.Game() + ". Choose the folder that holds European Air War.");
    ::rmdir(g.Own().c_str());
    MakeFolder(g.Game() + "HARBINET");
    ASSERT_TRUE(ProgramFolderInGame(g.Game().substr(0, g.Game().size() - 1), own));
    EXPECT_EQ(own, g.Game() + "HARBINET/") << "made by hand under Windows";

    EXPECT_TRUE(RememberFolder(own));
    EXPECT_EQ(RememberedFolder(), own);
    ::rmdir(own.c_str());
    EXPECT_EQ(RememberedFolder(), "") << "a folder since removed";
}

// The settings as the typed getters read them, each named.
std::string Read(const Settings& s) {
    const char* mode = s.Automatic()                       ? "Automatic"
                       : s.Mode() == OperatingMode::Manual ? "Manual"
                                                           : "not installed";
    return Format(
        "%s Terrain=%d TerrainSet=%d Timer=%u ClickDefault=%d LoadOnStart=%d "
        "CopySkins=%d LaunchAfter=%d",
        mode, s.Get(settings::kTerrain), s.Get(settings::kTerrainSet), s.Get(settings::kTimer),
        s.Get(settings::kClickDefault), s.Get(settings::kLoadOnStart), s.Get(settings::kCopySkins),
        s.Get(settings::kLaunchAfter));
}

// One flag set at a time tells them apart; without the keys (on = -1) each setting has its
// default, TerrainSet 1 although the first installation writes 0. A current layout is read as
// it is: nothing is written, installed or upgraded.
TEST(LoadSettings, EachSettingIsReadByItsOwnGetterOrHasItsDefault) {
    const char* flags[] = {"ClickDefault", "LoadOnStart", "CopySkins", "LaunchAfter"};
    for (int on = -1; on < 4; ++on) {
        GameFolder g;
        std::string text = "[Harbinet]\r\nVersion=22\r\nMode=" + std::string(on < 0 ? "0" : "1");
        std::string expected = on < 0 ? "Manual Terrain=0 TerrainSet=1 Timer=30"
                                      : "Automatic Terrain=3 TerrainSet=7 Timer=45";
        if (on >= 0) text += "\r\nTerrain=3\r\nTerrainSet=7\r\nTimer=45";
        for (int i = 0; i < 4; ++i) {
            if (on >= 0) text += "\r\n" + std::string(flags[i]) + (i == on ? "=1" : "=0");
            expected += Format(" %s=%d", flags[i], i == on);
        }
        WriteFile(g.Settings(), text);
        auto state = g.MakeState();
        LoadSettings(*state);
        EXPECT_EQ(Read(state->settings), expected);
        EXPECT_EQ(ReadFile(g.Settings()), text);
        EXPECT_EQ(g.ui.messages, std::vector<std::string>{});
    }
}

// A settings file the Windows program wrote: its spelling and its code page.
TEST(LoadSettings, TheWindowsSettingsFileIsUsedAndKept) {
    GameFolder g;
    const std::string windows = g.Own() + "Harbinet.INI";
    WriteFile(windows,
              "[Harbinet]\r\nMode=0\r\nVersion=22\r\n[TerrainSets]\r\nTerrain1=K\xFCste\r\n"
              "Terrain2=Stra\xC3\x9F"
              "e\r\n[External]\r\nApp1Desc=\x93"
              "Tools\x94\r\n");
    auto state = g.MakeState();
    LoadSettings(*state);
    EXPECT_TRUE(g.ui.messages.empty()) << "no first installation";
    ASSERT_TRUE(state->settings.Set(settings::kTerrain, 2));
    EXPECT_EQ(ListFolder(g.Own()), "Harbinet.INI");
    const Settings& store = state->settings;
    EXPECT_EQ(store.TerrainSetName(1) + "|" + store.TerrainSetName(2) + "|" +
                  store.AppDescription(1) + "|" + store.TerrainSetName(2, 6),
              "Küste|Straße|“Tools”|Stra");
}

TEST(LoadSettings, MissingGameIsReportedWithThePathLookedAt) {
    GameFolder g(/*withGame=*/false);
    WriteFile(g.Settings(), "[Harbinet]\r\nMode=0\r\nVersion=22\r\n");
    LoadSettings(*g.MakeState());
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{"error Harbinet Error: EAW executable was "
                                                      "not found in expected path of " +
                                                      g.Game() + "EAW.EXE"});
    g.ui.messages.clear();
    WriteFile(g.Game() + "eaw.exe", "MZ");
    LoadSettings(*g.MakeState());
    EXPECT_TRUE(g.ui.messages.empty()) << "found ignoring letter case";
}

}  // namespace
}  // namespace harbinet::test
