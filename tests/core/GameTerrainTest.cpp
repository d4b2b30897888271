// What lands in the game folder: the seasons of the active terrain set, the game's default
// terrain, and the files and object detail of a newly chosen set.
#include <gtest/gtest.h>

#include "SeasonFixture.h"
#include "program/TerrainSetSelection.h"
#include "terrain/SeasonInstall.h"

namespace harbinet::test {
namespace {

using SeasonInstallTest = SeasonFixture;

TEST_F(SeasonInstallTest, ReplacesTheGamesTerrainAndSkinsByTheSeasonOfTheActiveSet) {
    state->CopySkins = true;
    Run(cmd::Season(Season::Summer));
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI GRAS1.TPC Harbinet/ MAP.TER P51.TPC");
    EXPECT_EQ(Game("GRAS1.TPC") + ", " + Game("P51.TPC"),
              "Terrain/Channel/Summer/GRAS1.TPC, Skins/Channel/Summer/P51.TPC");
    EXPECT_EQ(Setting("Terrain"), "2");
    EXPECT_EQ(state->InstalledSeason(), Season::Summer);

    // A set without seasons installs its one terrain whichever season is asked for.
    state->TerrainSet = 2;
    Run(cmd::Season(Season::Autumn));
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/ MAP.TER SPIT.3DZ");
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Pacific/MAP.TER");
    EXPECT_EQ(Setting("Terrain"), "3");
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(SeasonInstallTest, NothingAtAllWhileTheGamesDefaultTerrainIsSelected) {
    state->TerrainSet = 0;
    const std::string settings = ReadFile(g.Settings()), before = ListFolder(game);
    for (Season season : kSeasons) InstallSeason(*state, season);
    EXPECT_EQ(ReadFile(g.Settings()), settings);
    EXPECT_EQ(ListFolder(game), before);
    EXPECT_TRUE(g.ui.events.empty()) << "not even the busy icon";
}

TEST_F(SeasonInstallTest, EmptyListIsReportedAndTheOtherListStillInstalled) {
    state->CopySkins = true;
    WriteSettings("SkinFiles=P*.TPC\r\n");
    InstallSeason(*state, Season::Summer);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{"error Harbinet Error: The file types "
                                                      "specified for Terrain are invalid or "
                                                      "incorrectly formatted"});
    EXPECT_EQ(Game("P51.TPC"), "Skins/Channel/Summer/P51.TPC");
    EXPECT_EQ(Game("OLD.TER"), "from an earlier set");

    // Without skin copying the skin list is not looked at; an empty CommonFiles is no fault.
    g.ui.messages.clear();
    WriteSettings("TerrainFiles=*.TER\r\n");
    state->CopySkins = false;
    InstallSeason(*state, Season::Summer);
    RestoreDefaultTerrain(*state);
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(SeasonInstallTest, DefaultTerrainRemovesCommonTerrainAndSkinFilesOnly) {
    state->CopySkins = true;
    for (const char* name : {"A.3DZ", "Z.CMN", "PAC.DAT", "GRAS2.TPC", "PZ.TPC", "README.TXT"})
        WriteFile(game + name, "installed");
    WriteFile(game + "EAW.INI", "[GRAPHICS]\r\n3dCityTargets=0\r\n");  // a low-detail set's

    Run(cmd::kDefaultTerrain);

    EXPECT_EQ(ReadFile(game + "EAW.INI"), "[GRAPHICS]\r\n3dCityTargets=2\r\n") << "the user's";
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/ README.TXT");
    EXPECT_EQ(Setting("TerrainSet") + " " + Setting("Terrain"), "0 1") << "the season is kept";
    EXPECT_EQ(state->TerrainSet, 0);
    EXPECT_TRUE(g.ui.messages.empty());
}

// The game's own file, found ignoring letter case: comments, other sections, odd spacing, no
// final line end.
std::string GameIni(const std::string& cityTargets) {
    return "; European Air War settings\r\n[SOUND]\r\nVolume=7\r\n\r\n[Graphics]\r\n"
           "Resolution = 1024x768\r\n3DCITYTARGETS=" +
           cityTargets + "\r\nTreeDetail=3\r\n[CONTROLS]\r\nJoystick=1";
}

class TerrainSetSelectionTest : public SeasonFixture {
  protected:
    void SetUp() override {
        SeasonFixture::SetUp();
        ASSERT_TRUE(files::DeleteFile(game + "EAW.INI"));
        WriteFile(game + "eaw.ini", GameIni("2"));
    }
};

TEST_F(TerrainSetSelectionTest, LowDetailSetLowersObjectDetailAndInstallsItsFilesAndSeason) {
    Run(cmd::TerrainSet(2));

    EXPECT_EQ(ReadFile(game + "eaw.ini"), GameIni("0")) << "only the one line changes";
    EXPECT_EQ(ListFolder(game), "EAW.EXE Harbinet/ ISLANDS.CMN MAP.TER PAC.DAT POLD.TPC eaw.ini");
    EXPECT_EQ(Game("ISLANDS.CMN") + ", " + Game("MAP.TER"),
              "Common/Pacific/ISLANDS.CMN, Terrain/Pacific/MAP.TER");
    EXPECT_EQ(Setting("TerrainSet"), "2");
    EXPECT_EQ(state->TerrainSet, 2);
}

TEST_F(TerrainSetSelectionTest, LeavingALowDetailSetRestoresTheUsersObjectDetail) {
    WriteFile(game + "eaw.ini", GameIni("0"));
    SelectTerrainSet(*state, 1);
    EXPECT_EQ(ReadFile(game + "eaw.ini"), GameIni("2"));
    EXPECT_EQ(ListFolder(game), "CHAN.CMN EAW.EXE GRAS1.TPC Harbinet/ MAP.TER POLD.TPC eaw.ini");
    EXPECT_EQ(InstalledSeason(), "Spring");
}

}  // namespace
}  // namespace harbinet::test
