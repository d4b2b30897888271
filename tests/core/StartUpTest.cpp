// What start-up takes from its surroundings: the splash from the command line, and the
// settings file.
#include <gtest/gtest.h>

#include <filesystem>

#include "install/ServedFolder.h"
#include "program/CommandLine.h"
#include "program/LoadSettings.h"
#include "support/GameFolder.h"
#include "support/System.h"

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

// A folder is remembered while it exists, a folder picked must hold the game, and a folder
// named through a link is the folder itself.
TEST(ServedFolder, RememberedWhileItExistsAndPickedOnlyWithTheGame) {
    GameFolder g, noGame(false);
    std::string own;
    EXPECT_EQ(
        ProgramFolderInGame(noGame.Game(), own).Message(),
        "EAW.EXE is not in " + noGame.Game() + ". Choose the folder that holds European Air War.");
    std::filesystem::remove(g.Own());
    MakeFolder(g.Game() + "HARBINET");
    ASSERT_TRUE(ProgramFolderInGame(g.Game().substr(0, g.Game().size() - 1), own));
    EXPECT_EQ(own, g.Game() + "HARBINET/") << "made by hand under Windows";
    if (MakeLink(own, noGame.Game() + "link")) {
        EXPECT_EQ(ServedFolderFor("", noGame.Game() + "link"), own);
    }

    EXPECT_TRUE(RememberFolder(own));
    EXPECT_EQ(RememberedFolder(), own);
    std::filesystem::remove(own);
    EXPECT_EQ(RememberedFolder(), "") << "a folder since removed";
}

// A settings file the Windows program wrote: its spelling and its code page. A current layout is
// read as it is: nothing is written, installed or upgraded; a setting missing has its default,
// TerrainSet 1 although the first installation writes 0.
TEST(LoadSettings, TheWindowsSettingsFileIsUsedAndKept) {
    GameFolder g;
    const std::string text =
        "[Harbinet]\r\nMode=0\r\nVersion=22\r\n[TerrainSets]\r\nTerrain1=K\xFCste\r\n"
        "Terrain2=Stra\xC3\x9F"
        "e\r\n[External]\r\nApp1Desc=\x93"
        "Tools\x94\r\n";
    WriteFile(g.Own() + "Harbinet.INI", text);
    auto state = g.MakeState();
    LoadSettings(*state);
    EXPECT_TRUE(g.ui.messages.empty()) << "no first installation";
    EXPECT_EQ(ReadFile(g.Own() + "Harbinet.INI"), text);
    const Settings& store = state->settings;
    EXPECT_EQ(store.Get(settings::kTerrainSet), 1);
    EXPECT_EQ(store.TerrainSetName(1) + "|" + store.TerrainSetName(2) + "|" +
                  store.AppDescription(1) + "|" + store.TerrainSetName(2, 6),
              "Küste|Straße|“Tools”|Stra");
    ASSERT_TRUE(state->settings.Set(settings::kTerrain, 2));
    EXPECT_EQ(ListFolder(g.Own()), "Harbinet.INI");
}

TEST(LoadSettings, MissingGameIsReportedWithThePathLookedAt) {
    GameFolder g(/*withGame=*/false);
    WriteFile(g.Settings(), "[Harbinet]\r\nMode=0\r\nVersion=22\r\n");
    LoadSettings(*g.MakeState());
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{"error Harbinet Error: EAW executable was "
                                                      "not found in expected path of " +
                                                      g.Game() + "EAW.EXE"});
}

}  // namespace
}  // namespace harbinet::test
