#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "shell/LoadSettings.h"
#include "shell/Upgrade.h"
#include "support/InstallFixture.h"

namespace harbinet {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::WriteFile;

class UpgradeTest : public test::InstallFixture {
  protected:
    std::string Skins() const { return g.Own() + "Skins/"; }
    std::string Common() const { return g.Own() + "Common/"; }
    std::string InitialFolder() const {
        return profile::GetString(g.Own() + "Vandelholt/Skins.INI", "Skins", "InitialFolder",
                                  "<missing>");
    }
    // The settings text with its "Version" line changed to the current layout.
    static std::string AtVersion22(std::string text, const std::string& from) {
        const auto at = text.find("Version=" + from);
        return text.replace(at, 8 + from.size(), "Version=22");
    }
};

TEST(CommonPatterns, EverythingButTheTwoSkinPatternsInOrder) {
    EXPECT_EQ(CommonPatterns("P*.TPC,*.3DZ"), "");
    EXPECT_EQ(CommonPatterns("A,P*.TPC, *.3DZ,p*.tpc"), "A, *.3DZ,p*.tpc")
        << "only the exact standard patterns are skin patterns";
}

TEST_F(UpgradeTest, CurrentLayoutIsNotTouched) {
    const std::string text = "[Harbinet]\r\nMode=1\r\nVersion=22\r\nSkinFiles=X\r\n";
    WriteFile(g.Settings(), text);
    PutPictures();
    LoadSettings(*state);
    EXPECT_EQ(ReadFile(g.Settings()), text);
    EXPECT_TRUE(g.ui.messages.empty());
    EXPECT_FALSE(Exists(home.Desktop()));
    EXPECT_TRUE(Exists(g.Own() + "SPRING.GIF"));
}

TEST_F(UpgradeTest, LayoutsBefore12AreReinstalledWithoutTheUpgradeMessage) {
    for (const char* text :
         {"[Harbinet]\r\nMode=1\r\nVersion=5\r\n[TerrainSets]\r\nTerrain9=Gone\r\n",
          "[Harbinet]\r\nMode=1\r\n[TerrainSets]\r\nTerrain9=Gone\r\n"}) {
        SCOPED_TRACE(text);
        g.ui.messages.clear();
        WriteFile(g.Settings(), text);
        auto s = g.MakeState();
        LoadSettings(*s);
        EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion});
        EXPECT_EQ(Get("TerrainSets", "Terrain9"), "<missing>") << "the old file is discarded";
        EXPECT_EQ(s->Mode, 0);
        EXPECT_TRUE(Exists(Entry()));
    }
}

TEST_F(UpgradeTest, From12EveryStepRuns) {
    WriteFile(g.Game() + "EAW.INI", "[GRAPHICS]\r\n3dCityTargets=1\r\n");
    WriteFile(g.Game() + "A.TER", "installed");
    WriteFile(g.Settings(),
              "[Harbinet]\r\nVersion=12\r\nMode=1\r\nTerrain=3\r\nTerrainSet=2\r\n"
              "TerrainFiles=*.TER\r\nSkinFiles=P*.TPC\r\n"
              "[TerrainSets]\r\n"
              "Terrain1=Channel Front\r\nSeasons1=1\r\nObjectsLow1=1\r\n"
              "Terrain2=Desert\r\nObjectsLow2=1\r\n"
              "Terrain4=Pacific\r\n"
              "Terrain7=North Africa\r\n"
              "Terrain8=north africa\r\nObjectsLow8=0\r\n"
              "Terrain9=Mediterranean\r\n"
              "Terrain10=PACIFIC\r\n");
    for (const char* old : {"ReadMe.TXT", "Harbinet ReadMe.TXT"}) WriteFile(g.Own() + old, "old");
    WriteFile(g.Own() + "Harbinet ReadMe.RTF", "the manual");

    LoadSettings(*state);

    std::string keys;
    for (const char* k : {"TerrainFiles", "SkinFiles", "CommonFiles", "SavedObjectDetail",
                          "Terrain", "TerrainSet", "Version", "Mode"})
        keys += Get("Harbinet", k) + "|";
    EXPECT_EQ(keys, "*.TER,GRAS*.TPC|P*.TPC,*.3DZ||1|1|0|22|1|");
    const char* objectsLow[] = {"0", "0", "0", "1", "0", "<missing>", "1", "0", "1", "<missing>"};
    for (unsigned n = 1; n <= 10; ++n)
        EXPECT_EQ(Get("TerrainSets", settings::ObjectsLowKey(n)), objectsLow[n - 1]) << n;

    EXPECT_EQ(
        ListFolder(Common()),
        "Channel Front/ Desert/ Mediterranean/ North Africa/ PACIFIC/ Pacific/ north africa/");
    EXPECT_EQ(InitialFolder(), files::TempFolder());
    EXPECT_EQ(ListFolder(g.Own()), "Common/ Harbinet ReadMe.RTF Vandelholt/ harbinet.INI")
        << "the old read-me files are gone";
    EXPECT_FALSE(Exists(g.Game() + "A.TER")) << "the game's default terrain is installed";

    EXPECT_EQ(state->Mode, 1) << "Mode is read once, before the upgrade";
    EXPECT_EQ(state->Terrain, 1);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kUpgraded});
}

TEST_F(UpgradeTest, From13SkinPatternsOfOtherFilesMoveToTheCommonFolders) {
    WriteFile(g.Settings(),
              "[Harbinet]\r\nVersion=13\r\nMode=0\r\nTerrain=2\r\nTerrainSet=1\r\n"
              "TerrainFiles=*.TER,GRAS*.TPC\r\nSkinFiles=P*.TPC,*.3DZ,*.LBM,COCK*.TPC\r\n"
              "[TerrainSets]\r\n"
              "Terrain1=Channel Front\r\nSeasons1=1\r\n"
              "Terrain2=Mediterranean\r\nSeasons2=0\r\n");
    const std::string cf = Skins() + "Channel Front/";
    WriteFile(cf + "Spring/a.lbm", "spring a");
    WriteFile(cf + "Spring/COCKPIT.TPC", "spring cockpit");
    WriteFile(cf + "Spring/P51.TPC", "spring skin");
    WriteFile(cf + "Summer/a.lbm", "summer a");
    WriteFile(cf + "Summer/P51.TPC", "summer skin");
    WriteFile(cf + "Autumn/COCKPIT.TPC", "autumn cockpit");
    WriteFile(cf + "Winter/b.LBM", "winter b");
    WriteFile(Common() + "Channel Front/old.LBM", "an earlier common file");
    WriteFile(Skins() + "Mediterranean/x.LBM", "med x");
    WriteFile(Skins() + "Mediterranean/y.LBM", "med y");
    WriteFile(Skins() + "Mediterranean/P40.TPC", "med skin");
    const std::string locked = WriteFile(Common() + "Mediterranean/x.LBM", "read-only");
    ::chmod(locked.c_str(), 0444);
    WriteFile(g.Game() + "SKY.LBM", "an installed common file");
    WriteFile(g.Game() + "P51.TPC", "an installed skin");

    LoadSettings(*state);

    std::string keys;
    for (const char* k :
         {"SkinFiles", "CommonFiles", "SavedObjectDetail", "Terrain", "TerrainSet", "Version"})
        keys += Get("Harbinet", k) + "|";
    EXPECT_EQ(keys, "P*.TPC,*.3DZ|*.LBM,COCK*.TPC|<missing>|1|0|22|") << "step 12 did not run";

    EXPECT_EQ(ListFolder(Common() + "Channel Front/"), "COCKPIT.TPC a.lbm");
    EXPECT_EQ(ReadFile(Common() + "Channel Front/a.lbm"), "spring a");
    for (const char* season : {"Spring/", "Summer/"}) EXPECT_EQ(ListFolder(cf + season), "P51.TPC");
    EXPECT_EQ(ListFolder(cf + "Autumn/"), "");
    EXPECT_EQ(ListFolder(cf + "Winter/"), "b.LBM")
        << "a file no common file stands for is kept rather than lost";

    EXPECT_EQ(ListFolder(Common() + "Mediterranean/"), "x.LBM y.LBM");
    EXPECT_EQ(ReadFile(Common() + "Mediterranean/y.LBM"), "med y");
    EXPECT_EQ(ReadFile(locked), "read-only");
    EXPECT_EQ(ListFolder(Skins() + "Mediterranean/"), "P40.TPC x.LBM")
        << "a file that could not be copied stays in the skin folder";

    EXPECT_EQ(ListFolder(g.Game()), "EAW.EXE EAW.INI Harbinet/ P51.TPC")
        << "the default terrain removes the new common files from the game";
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kUpgraded});
}

TEST_F(UpgradeTest, From20OnlyTheInitialFolderAndTheFinalStep) {
    const std::string text =
        "[Harbinet]\r\nVersion=20\r\nMode=0\r\nTerrain=3\r\nTerrainSet=1\r\n"
        "SkinFiles=P*.TPC,*.3DZ,*.LBM\r\n[TerrainSets]\r\nTerrain1=Channel Front\r\n";
    WriteFile(g.Settings(), text);
    WriteFile(g.Own() + "Vandelholt/Skins.INI", "[Skins]\r\nInitialFolder=C:\\TEMP\\\r\n");
    WriteFile(g.Game() + "A.TER", "installed");

    LoadSettings(*state);

    EXPECT_EQ(ReadFile(g.Settings()), AtVersion22(text, "20"));
    EXPECT_EQ(InitialFolder(), files::TempFolder());
    EXPECT_TRUE(Exists(g.Game() + "A.TER")) << "the terrain is left as it is";
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kUpgraded});
}

TEST_F(UpgradeTest, From21OnlyTheFinalStep) {
    const std::string text = "[Harbinet]\r\nMode=1\r\nVersion=21\r\nTerrain=2\r\n";
    WriteFile(g.Settings(), text);
    PutPictures();
    for (const char* p : {"EAWLOGO.GIF", "NOIMAGE.GIF", "SPRING.GIF", "SUMMER.GIF", "AUTUMN.GIF"})
        WriteFile(g.Own() + "Vandelholt/" + p, "catalogue's own");

    LoadSettings(*state);

    EXPECT_EQ(ReadFile(g.Settings()), AtVersion22(text, "21"));
    EXPECT_EQ(ListFolder(g.Own()), "Vandelholt/ harbinet.INI") << "the pictures are gone";
    EXPECT_EQ(ReadFile(g.Own() + "Vandelholt/SPRING.GIF"), "catalogue's own");
    EXPECT_EQ(ReadFile(g.Own() + "Vandelholt/WINTER.GIF"), "picture WINTER.GIF")
        << "the one picture the catalogue lacked is moved there, not lost";
    EXPECT_EQ(InitialFolder(), "<missing>");
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kUpgraded});
    EXPECT_EQ(ListFolder(home.Desktop()), "Harbinet 2.2b.desktop");
}

}  // namespace
}  // namespace harbinet
