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
    std::string problem;
    EXPECT_EQ(ProgramFolderInGame(noGame.Game(), problem), "");
    EXPECT_EQ(problem, "EAW.EXE is not in " + noGame.Game() +
                           ". Choose the folder that holds European Air War.");
    ::rmdir(g.Own().c_str());
    MakeFolder(g.Game() + "HARBINET");
    const std::string own = ProgramFolderInGame(g.Game().substr(0, g.Game().size() - 1), problem);
    EXPECT_EQ(own, g.Game() + "HARBINET/") << "made by hand under Windows";

    EXPECT_TRUE(RememberFolder(own));
    EXPECT_EQ(RememberedFolder(), own);
    ::rmdir(own.c_str());
    EXPECT_EQ(RememberedFolder(), "") << "a folder since removed";
}

// The settings as the typed getters read them, each named.
std::string Read(const Settings& s) {
    return Format(
        "%s Terrain=%d TerrainSet=%d Timer=%u ClickDefault=%d LoadOnStart=%d CopySkins=%d "
        "LaunchAfter=%d",
        s.Automatic() ? "Automatic" : "Manual", s.Get(settings::kTerrain),
        s.Get(settings::kTerrainSet), s.Get(settings::kTimer), s.Get(settings::kClickDefault),
        s.Get(settings::kLoadOnStart), s.Get(settings::kCopySkins), s.Get(settings::kLaunchAfter));
}

// Without the keys each setting has its default, TerrainSet 1 although the first installation
// writes 0. A current layout is read as it is: nothing is written, installed or upgraded.
TEST(LoadSettings, EachSettingIsReadOrHasItsDefault) {
    const std::pair<const char*, const char*> cases[] = {
        {"Mode=0",
         "Manual Terrain=0 TerrainSet=1 Timer=30 ClickDefault=0 LoadOnStart=0 CopySkins=0 "
         "LaunchAfter=0"},
        {"Mode=1\r\nTerrain=3\r\nTerrainSet=7\r\nTimer=45\r\nClickDefault=1\r\nLoadOnStart=0\r\n"
         "CopySkins=1\r\nLaunchAfter=1",
         "Automatic Terrain=3 TerrainSet=7 Timer=45 ClickDefault=1 LoadOnStart=0 CopySkins=1 "
         "LaunchAfter=1"},
    };
    for (const auto& [keys, expected] : cases) {
        GameFolder g;
        const std::string text = "[Harbinet]\r\nVersion=22\r\n" + std::string(keys);
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
