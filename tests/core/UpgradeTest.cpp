#include "install/Upgrade.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "InstallFixture.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"
#include "program/LoadSettings.h"
#include "support/System.h"

namespace harbinet::test {
namespace {

using Messages = std::vector<std::string>;

using UpgradeTest = InstallFixture;

// The old file is kept beside the new one (an older backup replaced), or not discarded at all.
TEST_F(UpgradeTest, LayoutsBefore12AreBackedUpThenDiscardedAndInstalledAfresh) {
    const std::string backup = g.Settings() + ".old";
    const std::string saved =
        "info Harbinet Upgrade: The settings of an older version are replaced by new ones; the old "
        "ones were saved as " +
        backup;
    for (const std::string version : {"Version=5\r\n", "", "Version=v22\r\n"}) {
        g.ui.messages.clear();
        const std::string old =
            "[Harbinet]\r\nMode=1\r\n" + version + "[TerrainSets]\r\nTerrain9=Gone\r\n";
        WriteFile(g.Settings(), old);
        LoadSettings(*state);
        EXPECT_EQ(g.ui.messages, (Messages{saved, kQuestion}));
        EXPECT_EQ(g.Setting("TerrainSets", "Terrain9"), "<missing>");
        EXPECT_EQ(ReadFile(backup), old);
    }

    ASSERT_EQ(::unlink(backup.c_str()), 0);
    MakeFolder(backup);
    const std::string old = "[Harbinet]\r\nMode=1\r\nVersion=v22\r\n";
    WriteFile(g.Settings(), old);
    g.ui.messages.clear();
    LoadSettings(*state);
    EXPECT_EQ(ReadFile(g.Settings()), old);
    EXPECT_EQ(g.ui.messages, Messages{"error Harbinet Error: The settings of an older version "
                                      "could not be saved as " +
                                      backup + ", so they are left as they are"});
}

TEST_F(UpgradeTest, From12EveryStepRuns) {
    ASSERT_TRUE(files::DeleteFile(g.Game() + "EAW.INI"));
    WriteFile(g.Game() + "eaw.ini", "[graphics]\r\n3dcitytargets=1\r\n");
    WriteFile(g.Settings(),
              "[Harbinet]\r\nVersion=12\r\nMode=1\r\nTerrain=3\r\nTerrainSet=2\r\n"
              "TerrainFiles=*.TER\r\nSkinFiles=P*.TPC\r\n"
              "[TerrainSets]\r\nTerrain1=Channel Front\r\nSeasons1=1\r\nObjectsLow1=1\r\n"
              "Terrain2=Desert\r\nObjectsLow2=1\r\nTerrain4=Pacific\r\nTerrain7=North Africa\r\n"
              "Terrain8=north africa\r\nObjectsLow8=0\r\nTerrain9=Mediterranean\r\n");

    LoadSettings(*state);

    EXPECT_EQ(g.Values("Harbinet", {"TerrainFiles", "SkinFiles", "CommonFiles", "SavedObjectDetail",
                                    "Terrain", "TerrainSet", "Version", "Mode"}),
              "*.TER,GRAS*.TPC|P*.TPC,*.3DZ||1|1|0|22|1|");
    std::string low;
    for (unsigned n = 1; n <= 9; ++n)
        low += g.Setting("TerrainSets", settings::ObjectsLowKey(n)) + "|";
    // Reset for sets 1..5, then low detail for the theatres that need it, spelt exactly so.
    EXPECT_EQ(low, "0|0|0|1|0|<missing>|1|0|1|");
    EXPECT_EQ(ListFolder(g.Own() + "Common/"),
              std::string("Channel Front/ Desert/ Mediterranean/ North Africa/ Pacific/") +
                  (kNamesIgnoreCase ? "" : " north africa/"));
    EXPECT_EQ(g.ui.messages, Messages{kUpgraded});
}

TEST_F(UpgradeTest, From13SkinPatternsOfOtherFilesMoveToTheCommonFolders) {
    WriteFile(g.Settings(),
              "[Harbinet]\r\nVersion=13\r\nMode=0\r\nTerrain=2\r\nTerrainSet=1\r\n"
              "TerrainFiles=*.TER,GRAS*.TPC\r\nSkinFiles=P*.TPC,*.3DZ,*.LBM,COCK*.TPC\r\n"
              "[TerrainSets]\r\nTerrain1=Channel Front\r\nSeasons1=1\r\n"
              "Terrain2=Mediterranean\r\nSeasons2=0\r\n");
    const std::string cf = g.Own() + "Skins/Channel Front/";
    const std::string med = g.Own() + "Skins/Mediterranean/";
    for (const char* file : {"Spring/a.lbm", "Spring/COCKPIT.TPC", "Spring/P51.TPC", "Summer/a.lbm",
                             "Summer/P51.TPC", "Autumn/COCKPIT.TPC", "Winter/b.LBM"})
        WriteFile(cf + file, file);
    WriteFile(cf + "Summer/a.lbm", "Spring/a.lbm");  // the same as Spring's, unlike Autumn's
    for (const char* file : {"x.LBM", "y.LBM", "P40.TPC"}) WriteFile(med + file, file);
    const std::string common = g.Own() + "Common/";
    ::chmod(WriteFile(common + "Mediterranean/x.LBM", "read-only").c_str(), 0444);
    for (const char* installed : {"SKY.LBM", "P51.TPC"}) WriteFile(g.Game() + installed, "");

    LoadSettings(*state);

    // From 13 on, the steps of 12 do not run.
    EXPECT_EQ(g.Values("Harbinet", {"SkinFiles", "CommonFiles", "SavedObjectDetail", "Terrain",
                                    "TerrainSet", "Version"}),
              "P*.TPC,*.3DZ|*.LBM,COCK*.TPC|<missing>|1|0|22|");
    // Spring's copies of a seasonal set become the common files, the other seasons' go.
    EXPECT_EQ(ListFolder(common + "Channel Front/"), "COCKPIT.TPC a.lbm");
    EXPECT_EQ(ReadFile(common + "Channel Front/a.lbm"), "Spring/a.lbm");
    for (const char* season : {"Spring/", "Summer/"}) EXPECT_EQ(ListFolder(cf + season), "P51.TPC");
    EXPECT_EQ(ListFolder(cf + "Autumn/") + ListFolder(cf + "Winter/"), "");
    // One that differs from the common one, and one no common file stands for, are kept.
    EXPECT_EQ(KeptFiles(g), "COCKPIT.TPC=Autumn/COCKPIT.TPC SKY.LBM= b.LBM=Winter/b.LBM");
    EXPECT_EQ(ListFolder(common + "Mediterranean/"), "x.LBM y.LBM");
    EXPECT_EQ(ReadFile(common + "Mediterranean/x.LBM"), "read-only");
    EXPECT_EQ(ListFolder(med), "P40.TPC x.LBM") << "one that could not be copied stays";
    // The default terrain removes the new common files from the game.
    EXPECT_EQ(ListFolder(g.Game()), "EAW.EXE EAW.INI Harbinet/ P51.TPC");
    EXPECT_EQ(g.ui.messages, Messages{kUpgraded});
}

// Set names from an older file that would lead out of the stores are told and left alone.
TEST_F(UpgradeTest, SetNamesThatLeaveTheStoresAreNeverFollowed) {
    WriteFile(
        g.Settings(),
        "[Harbinet]\r\nVersion=13\r\nMode=0\r\nTerrainFiles=*.TER\r\nSkinFiles=P*.TPC,*.LBM\r\n"
        "[TerrainSets]\r\nTerrain4=../../..\r\nSeasons4=1\r\n");
    const std::string above = g.Game() + "../";
    WriteFile(above + "Spring/EAW1.TER", "above the game");
    WriteFile(above + "Spring/notes.txt", "the user's");
    const std::string before = ListFolder(above) + ListFolder(above + "Spring/");

    LoadSettings(*state);

    EXPECT_EQ(ListFolder(above) + ListFolder(above + "Spring/"), before);
    EXPECT_EQ(g.Setting("Harbinet", "Version"), "22");
    EXPECT_EQ(g.ui.messages,
              (Messages{"error Harbinet Error: The terrain set name \"../../..\" cannot be used as "
                        "a folder name; its folders were left alone",
                        kUpgraded}));
}

TEST_F(UpgradeTest, From20OnOnlyTheVersionChangesAndTheUserIsTold) {
    WriteFile(g.Game() + "A.TER", "installed");
    const std::string cat = g.Own() + "Vandelholt/";
    WriteFile(cat + "Skins.INI", "[Skins]\r\nInitialFolder=C:\\TEMP\\\r\n");
    PutPictures();
    WriteFile(cat + "spring.gif", "the catalogue's own");
    for (const std::string from : {"21", "20"}) {  // 20 also sets the catalogue's folder
        const std::string rest = "\r\nMode=0\r\nTerrain=3\r\nSkinFiles=P*.TPC,*.3DZ,*.LBM\r\n";
        WriteFile(g.Settings(), "[Harbinet]\r\nVersion=" + from + rest);
        g.ui.messages.clear();
        LoadSettings(*state);
        EXPECT_EQ(ReadFile(g.Settings()), "[Harbinet]\r\nVersion=22" + rest);
        EXPECT_EQ(profile::GetString(cat + "Skins.INI", "Skins", "InitialFolder", "-"),
                  from == "20" ? files::HomeFolder() : "C:\\TEMP\\");
        EXPECT_EQ(g.ui.messages, Messages{kUpgraded});
    }
    EXPECT_TRUE(Exists(g.Game() + "A.TER")) << "the terrain is left as it is";
    EXPECT_EQ(ListFolder(home.Desktop()), LauncherFileName("Harbinet 2.2b"));
    // The pictures beside the program move to the catalogue, which keeps its own.
    EXPECT_EQ(ListFolder(g.Own()), "Originals/ Vandelholt/ harbinet.INI history.log");
    EXPECT_EQ(KeptFiles(g), "SPRING.GIF=picture SPRING.GIF") << "unlike the catalogue's own";
    EXPECT_EQ(ReadFile(cat + "spring.gif") + ", " + ReadFile(cat + "WINTER.GIF"),
              "the catalogue's own, picture WINTER.GIF");

    // A newer program's layout is not claimed as this one's.
    const std::string newer = "[Harbinet]\r\nVersion=23\r\nMode=0\r\nLater=1\r\n";
    WriteFile(g.Settings(), newer);
    g.ui.messages.clear();
    LoadSettings(*state);
    EXPECT_EQ(ReadFile(g.Settings()), newer);
    EXPECT_EQ(g.ui.messages, Messages{});
}

}  // namespace
}  // namespace harbinet::test
