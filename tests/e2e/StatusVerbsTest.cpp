#include <gtest/gtest.h>

#include <string>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace harbinet::test {
namespace {

ProgramResult Cli(std::initializer_list<std::string> args) {
    return RunProgram(HARBINET_CLI, args);
}

// A game folder with the program's settings in Harbinet/; returns that folder.
std::string Installed(const TempDir& dir, const std::string& settings, bool withGame = true) {
    if (withGame) WriteFile(dir / "EAW/EAW.EXE", "stand-in");
    WriteFile(dir / "EAW/Harbinet/harbinet.INI", settings);
    return dir / "EAW/Harbinet";
}

const char* const kSets =
    "[TerrainSets]\r\nTerrain1=Channel Front\r\nSeasons1=1\r\nTerrain2=Mediterranean\r\n"
    "Terrain3=Pacific\r\nTerrain5=Battle of Britain, Summer 1940 edition\r\n"
    "[External]\r\nApp1Desc=Orlen's ECA Control Panel\r\nApp3Desc=Tavish's EAW OnLine Manager\r\n";

TEST(StatusVerb, PrintsTheStateAndTheTooltip) {
    TempDir dir;
    const std::string own = Installed(
        dir,
        std::string("[Harbinet]\r\nVersion=22\r\nMode=0\r\nTerrain=3\r\nTerrainSet=2\r\n") + kSets);
    ProgramResult r = Cli({"--folder", own, "status"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "mode=manual\n"
              "terrain=autumn\n"
              "terrain-set=2\n"
              "terrain-set-name=Mediterranean\n"
              "tooltip=Harbinet - Manual Mode, Autumn Terrain (Mediterranean)\n");
    EXPECT_EQ(r.err, "");
}

TEST(StatusVerb, FullNameButShortTooltipAndTheDefaultTerrain) {
    TempDir dir;
    const std::string own = Installed(
        dir,
        std::string("[Harbinet]\r\nVersion=22\r\nMode=1\r\nTerrain=1\r\nTerrainSet=5\r\n") + kSets);
    ProgramResult r = Cli({"--folder", own + "/", "status"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(
        r.out,
        "mode=automatic\n"
        "terrain=spring\n"
        "terrain-set=5\n"
        "terrain-set-name=Battle of Britain, Summer 1940 edition\n"
        "tooltip=Harbinet - Automatic Mode, Spring Terrain (Battle of Britain, Summer 194)\n");

    WriteFile(
        own + "/harbinet.INI",
        std::string("[Harbinet]\r\nVersion=22\r\nMode=1\r\nTerrain=9\r\nTerrainSet=0\r\n") + kSets);
    r = Cli({"--folder", own, "status"});
    EXPECT_EQ(r.out,
              "mode=automatic\n"
              "terrain=none\n"
              "terrain-set=0\n"
              "terrain-set-name=\n"
              "tooltip=Harbinet - Automatic Mode, EAW Default Terrain\n");
}

TEST(StatusVerb, MissingGameIsReportedAndTheStatusStillPrinted) {
    TempDir dir;
    const std::string own =
        Installed(dir, "[Harbinet]\r\nVersion=22\r\nMode=0\r\nTerrainSet=0\r\n", false);
    ProgramResult r = Cli({"--folder", own, "status"});
    EXPECT_EQ(r.status, 1) << "a run that showed an error exits with 1";
    EXPECT_NE(r.err.find("Harbinet Error: EAW executable was not found in expected path of " +
                         dir / "EAW/EAW.EXE"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.out.find("tooltip=Harbinet - Manual Mode, EAW Default Terrain\n"),
              std::string::npos);
    EXPECT_EQ(Cli({"--folder", own, "status", "extra"}).status, 2);
}

TEST(MenuVerb, PrintsTheMenuAsTheProgramBuildsIt) {
    TempDir dir;
    const std::string own = Installed(
        dir,
        std::string(
            "[Harbinet]\r\nVersion=22\r\nMode=0\r\nTerrain=4\r\nTerrainSet=3\r\nClickDefault=1\r\n"
            "CopySkins=1\r\n") +
            kSets);
    ProgramResult r = Cli({"--folder", own, "menu"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "108\t&Launch MicroProse's European Air War [default]\n"
              ">\tLaunch\n"
              "  225\tOrlen's ECA Control Panel\n"
              "  227\tTavish's EAW OnLine Manager\n"
              "---\n"
              "114\tAutomatic Mode\n"
              "117\tUse Proper Season Terrain\n"
              "---\n"
              "110\tLoad Spring Terrain\n"
              "111\tLoad Summer Terrain\n"
              "112\tLoad Autumn Terrain\n"
              "113\tLoad Winter Terrain [checked]\n"
              "---\n"
              "139\tSkins for Pacific...\n"
              "---\n"
              "109\tUse EAW Default Terrain/Skins\n"
              "250\tSet Channel Front\n"
              "251\tSet Mediterranean\n"
              "252\tSet Pacific [radio]\n"
              "254\tSet Battle of Britain, Summer 1940 edition\n"
              "---\n"
              "106\t&Close\n"
              "---\n"
              ">\tCo&nfigure\n"
              "  130\tHarbinet...\n"
              "  138\tSkins...\n"
              "  131\tTerrain Sets...\n"
              "  132\tExternal Applications...\n"
              "107\t&About Harbinet...\n");
}

TEST(MenuVerb, FollowsTheSettingsFileOfTheFolderGiven) {
    TempDir dir;
    const std::string own =
        Installed(dir, "[Harbinet]\r\nVersion=22\r\nMode=1\r\nTerrainSet=0\r\n");
    ProgramResult r = Cli({"--folder", own, "menu"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("108\t&Launch MicroProse's European Air War\n---\n115\tManual Mode\n"
                          "129\tSet Active Career...\n---\n"
                          "109\tUse EAW Default Terrain/Skins [radio]\n---\n106\t&Close\n",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("107\t&About Harbinet... [default]\n"), std::string::npos);
}

}  // namespace
}  // namespace harbinet::test
