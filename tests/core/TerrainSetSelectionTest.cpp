#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SeasonFixture.h"
#include "shell/Commands.h"
#include "terrain/TerrainSetSelection.h"

namespace harbinet::test {
namespace {

using Events = std::vector<std::string>;

// The game's own file: comments, other sections, odd spacing, no final line end.
const std::string kGameIni =
    "; European Air War settings\r\n"
    "[SOUND]\r\nVolume=7\r\n\r\n"
    "[Graphics]\r\n"
    "Resolution = 1024x768\r\n"
    "3DCITYTARGETS=%s\r\n"
    "TreeDetail=3\r\n"
    "[CONTROLS]\r\nJoystick=1";

std::string GameIni(const std::string& level) {
    std::string text = kGameIni;
    return text.replace(text.find("%s"), 2, level);
}

class TerrainSetSelectionTest : public SeasonFixture {
protected:
    void SetUp() override {
        Settings("2", "Terrain=3\r\n");
        WriteFile(game + "EAW.INI", GameIni("2"));
        Store("Common/Pacific/ISLANDS.CMN");
        Store("Common/Pacific/PAC.DAT");
        Store("Common/Channel/CHAN.CMN");
        WriteFile(game + "OLD.CMN", "common file of another set");
    }
    void Settings(const std::string& savedDetail, const std::string& more) {
        WriteSettings("Mode=0\r\nTerrainSet=1\r\nCommonFiles=*.CMN,PAC.DAT\r\nSavedObjectDetail=" +
                          savedDetail + "\r\n" + more,
                      "Terrain1=Channel\r\nObjectsLow1=0\r\n"
                      "Terrain2=Pacific\r\nObjectsLow2=1\r\n"
                      "Terrain25=Last\r\n");
        state->Terrain = 3;
    }
};

TEST_F(TerrainSetSelectionTest, LowDetailSetLowersOnlyTheOneLineOfTheGamesFile) {
    EXPECT_TRUE(RunCoreCommand(*state, cmd::kFirstTerrainSet + 1));

    EXPECT_EQ(ReadFile(game + "EAW.INI"), GameIni("0"));
    EXPECT_EQ(state->TerrainSet, 2);
    EXPECT_EQ(Setting("TerrainSet"), "2");
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/ ISLANDS.CMN PAC.DAT");
    EXPECT_EQ(Game("ISLANDS.CMN"), "Common/Pacific/ISLANDS.CMN");
    EXPECT_EQ(g.ui.posted, std::vector<int>{cmd::kAutumn}) << "Terrain 3 posts Autumn";
    EXPECT_EQ(g.ui.events, (Events{"busy", "idle"})) << "Manual Mode leaves the timer alone";
    EXPECT_TRUE(g.ui.messages.empty());

    // Low already: the same bytes stay, the file is not replaced.
    const auto inode = Inode(game + "EAW.INI");
    SelectTerrainSet(*state, 2);
    EXPECT_EQ(ReadFile(game + "EAW.INI"), GameIni("0"));
    EXPECT_EQ(Inode(game + "EAW.INI"), inode);
}

TEST_F(TerrainSetSelectionTest, LeavingALowDetailSetRestoresTheUsersLevel) {
    WriteFile(game + "EAW.INI", GameIni("0"));
    SelectTerrainSet(*state, 1);
    EXPECT_EQ(ReadFile(game + "EAW.INI"), GameIni("2"));
    EXPECT_EQ(ListFolder(game), "CHAN.CMN EAW.EXE EAW.INI Harbinet/");
}

TEST_F(TerrainSetSelectionTest, GamesFileIsNotWrittenWhenTheLevelsAgree) {
    Settings("1", "Terrain=3\r\n");
    WriteFile(game + "EAW.INI", GameIni("1"));
    const auto inode = Inode(game + "EAW.INI");
    SelectTerrainSet(*state, 1);
    EXPECT_EQ(ReadFile(game + "EAW.INI"), GameIni("1"));
    EXPECT_EQ(Inode(game + "EAW.INI"), inode);

    // A missing EAW.INI reads as 2, which is what SavedObjectDetail holds by default.
    Settings("2", "");
    ::unlink((game + "EAW.INI").c_str());
    SelectTerrainSet(*state, 1);
    EXPECT_FALSE(Exists(game + "EAW.INI"));
}

TEST_F(TerrainSetSelectionTest, GamesFileFoundIgnoringCase) {
    ::rename((game + "EAW.INI").c_str(), (game + "eaw.ini").c_str());
    SelectTerrainSet(*state, 2);
    EXPECT_EQ(ReadFile(game + "eaw.ini"), GameIni("0"));
    EXPECT_FALSE(Exists(game + "EAW.INI"));
}

TEST_F(TerrainSetSelectionTest, PostedSeasonFollowsTerrain) {
    const std::pair<int, int> cases[] = {{1, cmd::kSpring}, {2, cmd::kSummer}, {3, cmd::kAutumn},
                                         {4, cmd::kWinter}, {0, cmd::kDefaultTerrain},
                                         {5, cmd::kDefaultTerrain}, {-1, cmd::kDefaultTerrain}};
    for (auto [terrain, command] : cases) {
        state->Terrain = terrain;
        g.ui.posted.clear();
        ReinstallCurrentSeason(*state);
        EXPECT_EQ(g.ui.posted, std::vector<int>{command}) << terrain;
    }
}

TEST_F(TerrainSetSelectionTest, AutomaticModeStopsAndRestartsTheTimer) {
    state->Mode = 1;
    state->Timer = 3;
    EXPECT_TRUE(RunCoreCommand(*state, cmd::kLastTerrainSet));
    EXPECT_EQ(state->TerrainSet, 25);
    EXPECT_EQ(g.ui.events, (Events{"busy", "timer stop", "idle", "timer start 3000"}));
    EXPECT_TRUE(g.ui.messages.empty());

    g.ui.events.clear();
    g.ui.timerWorks = false;
    SelectTerrainSet(*state, 1);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{
                                 "error Harbinet Error: Unable to create a Timer - Cannot use "
                                 "Automatic Mode"});
    EXPECT_EQ(Setting("TerrainSet"), "1") << "the set stays selected";
}

TEST_F(TerrainSetSelectionTest, PostedSeasonInstallsTheNewSetsTerrain) {
    WriteSettings("Terrain=3\r\nTerrainSet=1\r\nTerrainFiles=*.TER\r\n",
                  "Terrain1=Channel\r\nSeasons1=1\r\nTerrain2=Pacific\r\nSeasons2=1\r\n");
    Store("Terrain/Channel/Autumn/MAP.TER");
    Store("Terrain/Pacific/Autumn/MAP.TER");
    WriteFile(game + "MAP.TER", "Terrain/Channel/Autumn/MAP.TER");

    SelectTerrainSet(*state, 2);
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Channel/Autumn/MAP.TER") << "not before the post runs";
    ASSERT_EQ(g.ui.posted.size(), 1u);
    EXPECT_TRUE(RunCoreCommand(*state, g.ui.posted[0]));
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Pacific/Autumn/MAP.TER");
}

}  // namespace
}  // namespace harbinet::test
