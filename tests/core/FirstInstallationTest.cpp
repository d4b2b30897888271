#include "install/FirstInstallation.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <stdexcept>

#include "InstallFixture.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"
#include "program/LoadSettings.h"
#include "support/System.h"

namespace harbinet::test {
namespace {

class FirstInstallationTest : public InstallFixture {};

TEST_F(FirstInstallationTest, FreshFolderGetsSettingsFoldersDesktopEntryAndTheDefaultTerrain) {
    // Terrain goes, kept for the player; a skin stays while skins are not copied.
    for (const char* file : {"A.TER", "GRAS1.TPC", "P51.TPC"}) WriteFile(g.Game() + file, file);
    PutPictures();
    g.ui.answer = false;

    LoadSettings(*state);

    EXPECT_EQ(
        g.Values("Harbinet", {"Version", "Mode", "Terrain", "TerrainSet", "Timer", "CopySkins",
                              "TerrainFiles", "SkinFiles", "CommonFiles", "SavedObjectDetail"}),
        "22|0|1|0|30|0|*.TER,GRAS*.TPC|P*.TPC,*.3DZ||2|");
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain1", "Seasons1", "Terrain2", "Terrain3"}),
              "Channel Front|1|||");
    EXPECT_EQ(g.Values("External", {"App1Desc", "App3EXE", "App4Desc"}),
              "Orlen's ECA Control Panel|" + g.Game() + "EAWCM.EXE||");
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion}) << "no upgrade message";
    // The pictures went into the catalogue.
    EXPECT_EQ(ListFolder(g.Own()),
              "Common/ Originals/ Skins/ Terrain/ Vandelholt/ harbinet.INI history.log");
    EXPECT_EQ(KeptFiles(g), "A.TER=A.TER GRAS1.TPC=GRAS1.TPC");
    for (const char* store : {"Terrain/", "Skins/", "Common/"})
        EXPECT_EQ(ListFolder(g.Own() + store), "Channel Front/");
    for (const char* folder : {"Terrain/Channel Front/", "Skins/Channel Front/"})
        EXPECT_EQ(ListFolder(g.Own() + folder), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(profile::GetString(g.Own() + "Vandelholt/Skins.INI", "Skins", "InitialFolder", ""),
              files::HomeFolder());
    EXPECT_EQ(ListFolder(g.Game()), "EAW.EXE EAW.INI Harbinet/ P51.TPC");
    EXPECT_EQ(ListFolder(home.Desktop()), LauncherFileName("Harbinet 2.2b"));
}

// Stands in for the program being killed while the question is open.
struct KilledAtTheQuestion : RecordingHost {
    bool AskYesNo(const std::string&, const std::string&) override {
        throw std::runtime_error("killed");
    }
};

TEST_F(FirstInstallationTest, InstallationCutShortRunsAgainAtTheNextStart) {
    KilledAtTheQuestion killed;
    ProgramState first(*state, killed, g.desktop);
    EXPECT_THROW(LoadSettings(first), std::runtime_error);
    EXPECT_EQ(g.Setting("Harbinet", "Mode"), "<missing>");

    g.ui.answer = true;  // Yes adds the Mediterranean and Pacific sets
    LoadSettings(*state);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain2", "ObjectsLow2", "Terrain3", "ObjectsLow3"}),
              "Mediterranean|1|Pacific|1|");
    for (const char* store : {"Terrain/", "Skins/", "Common/"})
        EXPECT_EQ(ListFolder(g.Own() + store), "Channel Front/ Mediterranean/ Pacific/");
}

// A settings file without "Mode" (a folder never installed) is completed, not replaced.
TEST_F(FirstInstallationTest, ExistingFileKeepsWhatTheInstallationDoesNotWrite) {
    WriteFile(g.Settings(),
              "; kept by the user\r\n[Harbinet]\r\nRunner=wine-staging\r\nTerrain=4\r\n\r\n"
              "[TerrainSets]\r\nTerrain1=Old Front\r\nTerrain6=Battle of Britain\r\n"
              "Seasons6=1\r\nObjectsLow25=1\r\n[External]\r\nApp1Desc=Mine\r\nApp6Desc=Six\r\n"
              "App6EXE=/opt/six.exe\r\nApp25EXE=z\r\n[Other]\r\nKey=Value");
    LoadSettings(*state);
    EXPECT_EQ(g.Values("Harbinet", {"Runner", "Terrain", "Mode"}), "wine-staging|1|0|");
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain1", "Terrain6", "Seasons6", "ObjectsLow25"}),
              "Channel Front|Battle of Britain|1|1|");
    EXPECT_EQ(g.Values("External", {"App1Desc", "App6Desc", "App6EXE", "App25EXE"}),
              "Orlen's ECA Control Panel|Six|/opt/six.exe|z|");
    EXPECT_EQ(g.Values("Other", {"Key"}), "Value|");
    EXPECT_EQ(ReadFile(g.Settings()).rfind("; kept by the user\r\n[Harbinet]\r\n", 0), 0u);
}

TEST_F(FirstInstallationTest, OldSeasonFoldersMoveIntoChannelFrontWithEveryFile) {
    const std::string terrain = g.Own() + "Terrain/";
    const std::string spring = terrain + "Channel Front/Spring/";
    WriteFile(terrain + "Spring/A.TER", "old a");
    WriteFile(terrain + "Spring/NOTES.TXT", "old notes");
    WriteFile(spring + "STALE.TER", "replaced by the copy");
    WriteFile(spring + "notes.txt", "newer notes");
    WriteFile(terrain + "Autumn/LOCKED.TER", "autumn");
    const std::string locked = WriteFile(terrain + "Channel Front/Autumn/LOCKED.TER", "newer");
    ::chmod(locked.c_str(), 0444);
    WriteFile(terrain + "Channel Front/Winter/W.TER", "winter");

    EXPECT_FALSE(RunFirstInstallation(*state, false).failed);

    EXPECT_EQ(ListFolder(spring), "A.TER notes.txt");
    EXPECT_EQ(ReadFile(spring + "A.TER") + ", " + ReadFile(spring + "notes.txt"),
              "old a, newer notes");
    // A file whose name is taken, and a terrain file the old season lacks, are kept.
    EXPECT_EQ(KeptFiles(g), "NOTES.TXT=old notes STALE.TER=replaced by the copy");
    // A terrain file that could not replace a read-only one stays.
    EXPECT_EQ(ReadFile(terrain + "Autumn/LOCKED.TER"), "autumn");
    EXPECT_EQ(ReadFile(locked), "newer");
    EXPECT_EQ(ListFolder(terrain), "Autumn/ Channel Front/") << "emptied old folders are removed";
    // Without an old folder the new one keeps its files.
    EXPECT_EQ(ListFolder(terrain + "Channel Front/Winter/"), "W.TER");
}

}  // namespace
}  // namespace harbinet::test
