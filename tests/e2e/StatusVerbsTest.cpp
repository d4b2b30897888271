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
    "[TerrainSets]\r\nTerrain1=Channel Front\r\nTerrain2=Mediterranean\r\n"
    "Terrain5=Battle of Britain, Summer 1940 edition\r\n"
    "[External]\r\nApp1Desc=Orlen's ECA Control Panel\r\n";

// The tooltip's rules are the core's; here only the output format and the folder given.
TEST(StatusVerb, PrintsTheStateAndTheTooltip) {
    TempDir dir;
    const std::string own = Installed(
        dir,
        std::string("[Harbinet]\r\nVersion=22\r\nMode=0\r\nTerrain=3\r\nTerrainSet=5\r\n") + kSets);
    ProgramResult r = Cli({"--folder", own + "/", "status"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out,
              "mode=manual\n"
              "terrain=autumn\n"
              "terrain-set=5\n"
              "terrain-set-name=Battle of Britain, Summer 1940 edition\n"
              "tooltip=Harbinet - Manual Mode, Autumn Terrain (Battle of Britain, Summer 194)\n");
    EXPECT_EQ(r.err, "");

    WriteFile(own + "/harbinet.INI",
              "[Harbinet]\r\nVersion=22\r\nMode=1\r\nTerrain=9\r\nTerrainSet=0\r\n");
    EXPECT_EQ(Cli({"--folder", own, "status"}).out,
              "mode=automatic\nterrain=none\nterrain-set=0\nterrain-set-name=\n"
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

// The layout is the core's; here one line of each kind in the verb's format.
TEST(MenuVerb, PrintsTheMenuAsTheProgramBuildsIt) {
    TempDir dir;
    const std::string own = Installed(
        dir, std::string("[Harbinet]\r\nVersion=22\r\nMode=0\r\nTerrain=4\r\nTerrainSet=2\r\n"
                         "ClickDefault=1\r\n") +
                 kSets);
    ProgramResult r = Cli({"--folder", own, "menu"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out.rfind("108\t&Launch MicroProse's European Air War [default]\n>\tLaunch\n"
                          "  225\tOrlen's ECA Control Panel\n---\n114\tAutomatic Mode\n",
                          0),
              0u)
        << r.out;
    EXPECT_NE(r.out.find("\n113\tLoad Winter Terrain [checked]\n---\n"), std::string::npos);
    EXPECT_NE(r.out.find("\n251\tSet Mediterranean [radio]\n"), std::string::npos);
    EXPECT_TRUE(r.out.ends_with("\n107\t&About Harbinet...\n"));
}

}  // namespace
}  // namespace harbinet::test
