// What lands in the game folder: the seasons of the active terrain set, the game's default
// terrain, and the files and object detail of a newly chosen set.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "SeasonFixture.h"
#include "program/LoadSettings.h"
#include "program/TerrainSetSelection.h"
#include "program/TrayMenu.h"
#include "support/System.h"
#include "terrain/SeasonInstall.h"

namespace harbinet::test {
namespace {

using SeasonInstallTest = SeasonFixture;

TEST_F(SeasonInstallTest, ReplacesTheGamesTerrainAndSkinsByTheSeasonOfTheActiveSet) {
    ASSERT_TRUE(state->settings.Set(settings::kCopySkins, true));
    Run(cmd::Season(Season::Summer));
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI GRAS1.TPC Harbinet/ MAP.TER P51.TPC");
    EXPECT_EQ(Game("GRAS1.TPC") + ", " + Game("P51.TPC"),
              "Terrain/Channel/Summer/GRAS1.TPC, Skins/Channel/Summer/P51.TPC");
    EXPECT_EQ(Setting("Terrain"), "2");

    // A set without seasons installs its one terrain whichever season is asked for.
    ASSERT_TRUE(state->settings.Set(settings::kTerrainSet, 2));
    Run(cmd::Season(Season::Autumn));
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/ MAP.TER SPIT.3DZ");
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Pacific/MAP.TER");
    EXPECT_EQ(Setting("Terrain"), "3");
    EXPECT_TRUE(g.ui.messages.empty());
}

// A store brought over from Windows spells its folders in any letter case. A change that
// failed is kept, and retried once at each start of the program, never by a verb.
TEST_F(SeasonInstallTest, StoreFoldersAreFoundIgnoringLetterCaseAndFailedCopiesAreNamed) {
    profile::WriteString(g.Settings(), "Harbinet", "Version", "22");
    ASSERT_TRUE(RenameRespelling(g.Own() + "Terrain/Channel", g.Own() + "Terrain/channel"));
    ASSERT_TRUE(
        RenameRespelling(g.Own() + "Terrain/channel/Summer", g.Own() + "Terrain/channel/SUMMER"));
    const std::string locked = WriteFile(game + "gras1.tpc", "read-only");
    ::chmod(locked.c_str(), 0444);
    Run(cmd::Season(Season::Summer));
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Channel/Summer/MAP.TER");
    EXPECT_EQ(ListFolder(game),
              ".harbinet-journal EAW.EXE EAW.INI Harbinet/ MAP.TER POLD.TPC gras1.tpc");
    const std::vector<std::string> failure = {
        "error Harbinet Error: These files could not be copied to " + game + ":\n" + g.Own() +
        "Terrain/channel/SUMMER/GRAS1.TPC"};
    EXPECT_EQ(g.ui.messages, failure);
    // No season claimed.
    EXPECT_EQ(TrayTooltip(*state, false), "Harbinet - Manual Mode (Channel)");

    g.ui.messages.clear();
    LoadSettings(*g.MakeState(), StartedBy::Verb);
    EXPECT_TRUE(g.ui.messages.empty());
    LoadSettings(*g.MakeState(), StartedBy::Program);
    EXPECT_EQ(g.ui.messages, failure);
    ::chmod(locked.c_str(), 0644);
    LoadSettings(*g.MakeState(), StartedBy::Program);
    EXPECT_EQ(Game("gras1.tpc"), "Terrain/Channel/Summer/GRAS1.TPC");
    EXPECT_FALSE(Exists(JournalPath(*state)));
}

// Settings typed by hand or brought from elsewhere: nothing outside Harbinet's stores is
// followed, and nothing of the game folder changes while the game is not there.
TEST_F(SeasonInstallTest, UnusableSetNamesAndAMissingGameChangeNothing) {
    WriteFile(g.Game() + "../ABOVE.TER", "outside the game folder");
    for (const char* name : {"../../..", "..\\..", "  ", "/tmp", "C:\\EAW", "a\tb"}) {
        profile::WriteString(g.Settings(), "TerrainSets", "Terrain1", name);
        const std::string before = ListFolder(game) + ReadFile(g.Settings());
        g.ui.messages.clear();
        Run(cmd::Season(Season::Winter));
        Run(cmd::TerrainSet(1));
        EXPECT_EQ(ListFolder(game) + ReadFile(g.Settings()), before) << name;
        EXPECT_EQ(g.ui.messages.size(), 2u) << name << ": once for each command";
        EXPECT_NE(g.ui.messages[0].find("cannot be used as a folder name"), std::string::npos);
    }
    EXPECT_TRUE(Exists(g.Game() + "../ABOVE.TER"));

    WriteSettings();
    ASSERT_TRUE(files::DeleteFile(game + "EAW.EXE"));
    g.ui.messages.clear();
    Run(cmd::Season(Season::Winter));
    Run(cmd::kDefaultTerrain);
    EXPECT_EQ(ListFolder(game), "EAW.INI Harbinet/ OLD.TER POLD.TPC");
    EXPECT_EQ(Setting("Terrain") + Setting("TerrainSet"), "11");
}

// A change whose settings cannot be written changes nothing more.
TEST_F(SeasonInstallTest, AChangeWhoseSettingsCannotBeWrittenChangesNothing) {
    ::chmod(g.Settings().c_str(), 0444);
    Run(cmd::Season(Season::Summer));
    EXPECT_EQ(Game("MAP.TER") + Game("OLD.TER"), "<missing>from an earlier set");
    EXPECT_EQ(g.ui.messages,
              std::vector<std::string>{"error Harbinet Error: Unable to write " + g.Settings()});
}

// An empty list is told, and the other lists still install; without skin copying the skin list
// is not looked at, and an empty CommonFiles is no fault. A list typed into the settings file
// that would take every file (which lists those are is the change test's) is told and changes
// nothing.
TEST_F(SeasonInstallTest, FaultyListsAreToldAndChangeNothingTheOtherListsStillInstall) {
    WriteSettings("SkinFiles=P*.TPC\r\n");
    ASSERT_TRUE(state->settings.Set(settings::kCopySkins, true));
    Run(cmd::Season(Season::Summer));
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{"error Harbinet Error: The file types "
                                                      "specified for Terrain are invalid or "
                                                      "incorrectly formatted"});
    EXPECT_EQ(Game("P51.TPC"), "Skins/Channel/Summer/P51.TPC");
    EXPECT_EQ(Game("OLD.TER"), "from an earlier set");

    g.ui.messages.clear();
    WriteSettings("TerrainFiles=*.TER\r\n");
    ASSERT_TRUE(state->settings.Set(settings::kCopySkins, false));
    Run(cmd::Season(Season::Summer));
    Run(cmd::kDefaultTerrain);
    EXPECT_TRUE(g.ui.messages.empty());

    WriteFile(game + "MUSIC.WAV", "the game's own data");
    const std::string before = ListFolder(game);
    WriteSettings("TerrainFiles=*.TER,?*\r\nCommonFiles=*.*\r\n");
    Run(cmd::kDefaultTerrain);
    ASSERT_TRUE(state->settings.Set(settings::kTerrainSet, 1));
    Run(cmd::Season(Season::Winter));
    EXPECT_EQ(ListFolder(game), before);
    EXPECT_EQ(g.ui.messages.back(),
              "error Harbinet Error: The file types of TerrainFiles (*.TER,?*) would take every "
              "file of the game; they change nothing until they name the files of one kind");
}

TEST_F(SeasonInstallTest, DefaultTerrainRemovesCommonTerrainAndSkinFilesOnly) {
    ASSERT_TRUE(state->settings.Set(settings::kCopySkins, true));
    for (const char* name : {"A.3DZ", "Z.CMN", "PAC.DAT", "GRAS2.TPC", "PZ.TPC", "README.TXT"})
        WriteFile(game + name, "installed");
    WriteFile(game + "EAW.INI", "[GRAPHICS]\r\n3dCityTargets=0\r\n");  // a low-detail set's

    Run(cmd::kDefaultTerrain);

    EXPECT_EQ(ReadFile(game + "EAW.INI"), "[GRAPHICS]\r\n3dCityTargets=2\r\n") << "the user's";
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/ README.TXT");
    EXPECT_EQ(Setting("TerrainSet") + " " + Setting("Terrain"), "0 1") << "the season is kept";
    EXPECT_TRUE(g.ui.messages.empty());

    // While the game's default terrain is selected a season changes nothing at all.
    WriteFile(game + "MAP.TER", "by hand");
    const std::string before = ReadFile(g.Settings()) + ListFolder(game);
    g.ui.calls = 0;
    for (Season season : kSeasons) InstallSeason(*state, season);
    EXPECT_EQ(ReadFile(g.Settings()) + ListFolder(game), before);
    EXPECT_EQ(g.ui.calls, 0) << "not even the busy icon";
}

// The game's own file, found ignoring letter case: comments, other sections, odd spacing, no
// final line end.
std::string GameIni(const std::string& cityTargets) {
    return "; European Air War settings\r\n[SOUND]\r\nVolume=7\r\n\r\n[Graphics]\r\n"
           "Resolution = 1024x768\r\n3DCITYTARGETS=" +
           cityTargets + "\r\nTreeDetail=3\r\n[CONTROLS]\r\nJoystick=1";
}

TEST_F(SeasonInstallTest, ALowDetailSetLowersObjectDetailUntilItIsLeft) {
    ASSERT_TRUE(files::DeleteFile(game + "EAW.INI"));
    WriteFile(game + "eaw.ini", GameIni("2"));
    Run(cmd::TerrainSet(2));
    EXPECT_EQ(ReadFile(game + "eaw.ini"), GameIni("0"));  // only the one line changes
    EXPECT_EQ(ListFolder(game), "EAW.EXE Harbinet/ ISLANDS.CMN MAP.TER PAC.DAT POLD.TPC eaw.ini");
    EXPECT_EQ(Game("ISLANDS.CMN") + ", " + Game("MAP.TER"),
              "Common/Pacific/ISLANDS.CMN, Terrain/Pacific/MAP.TER");
    EXPECT_EQ(Setting("TerrainSet"), "2");

    // Back on a set of normal detail, the user's own detail returns.
    SelectTerrainSet(*state, 1);
    EXPECT_EQ(ReadFile(game + "eaw.ini"), GameIni("2"));
    EXPECT_EQ(ListFolder(game), "CHAN.CMN EAW.EXE GRAS1.TPC Harbinet/ MAP.TER POLD.TPC eaw.ini");
    EXPECT_EQ(InstalledSeason(), "Spring");
}

}  // namespace
}  // namespace harbinet::test
