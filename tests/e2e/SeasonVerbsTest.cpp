#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GameFolder.h"
#include "support/RunProgram.h"

namespace harbinet::test {
namespace {

class SeasonVerbs : public ::testing::Test {
  protected:
    GameFolder g;
    const std::string game = g.Game();

    // Runs the CLI as the program installed in the game folder.
    ProgramResult Cli(std::vector<std::string> args) {
        args.insert(args.begin(), {"--folder", g.Own()});
        return RunProgram(HARBINET_CLI, std::move(args));
    }

    void SetUp() override {
        WriteFile(g.Settings(),
                  "[Harbinet]\r\nVersion=22\r\nMode=0\r\nTerrain=4\r\nTerrainSet=1\r\nTimer=30\r\n"
                  "TerrainFiles=*.TER\r\nSkinFiles=P*.TPC\r\nCommonFiles=*.CMN\r\nCopySkins=1\r\n"
                  "SavedObjectDetail=2\r\n"
                  "[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\n"
                  "Terrain2=Pacific\r\nSeasons2=0\r\n");
        for (const char* season : {"Spring", "Summer", "Autumn", "Winter"}) {
            Store(std::string("Terrain/Channel/") + season + "/MAP.TER");
            Store(std::string("Skins/Channel/") + season + "/P51.TPC");
        }
        Store("Terrain/Pacific/MAP.TER");
        Store("Common/Pacific/ISLAND.CMN");
    }
    void Store(const std::string& relative) { WriteFile(g.Own() + relative, relative); }
    std::string Setting(const std::string& key) {
        return Cli({"ini", "get", g.Settings(), "Harbinet", key}).out;
    }
    void Career(const std::string& name, int monthIndex, long seconds, const std::string& pilot) {
        EXPECT_TRUE(SetWriteTime(
            g.AddCareer(name,
                        {.monthIndex = static_cast<std::uint8_t>(monthIndex), .name1 = pilot}),
            seconds));
    }
};

// The rules are the core's; these prove each verb reaches it and prints and exits as it should.
TEST_F(SeasonVerbs, SeasonSetAndDefault) {
    ProgramResult r = Cli({"season", "summer"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(ReadFile(game + "P51.TPC"), "Skins/Channel/Summer/P51.TPC");
    EXPECT_EQ(Setting("Terrain"), "2\n");

    r = Cli({"set", "2"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(game + "ISLAND.CMN"), "Common/Pacific/ISLAND.CMN");
    EXPECT_EQ(Setting("TerrainSet"), "2\n");

    r = Cli({"season", "default"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/");

    // With the game's default terrain a season changes nothing, and says why.
    r = Cli({"season", "winter"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("default terrain is selected"), std::string::npos);
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/");
}

TEST_F(SeasonVerbs, ErrorMessagesGoToStandardErrorAndFailTheRun) {
    Cli({"ini", "set", g.Settings(), "Harbinet", "TerrainFiles", ""});
    ProgramResult r = Cli({"season", "spring"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Harbinet Error: The file types specified for Terrain are invalid or incorrectly "
              "formatted\n");
    EXPECT_EQ(ReadFile(game + "P51.TPC"), "Skins/Channel/Spring/P51.TPC") << "the rest is done";
}

TEST_F(SeasonVerbs, ModesChecksAndCareers) {
    EXPECT_EQ(Cli({"careers"}).out, "") << "no Savedata folder";
    Career("A.SVE", 0, 1000, "Older");
    Career("B.SVE", 6, 2000, "Newer");

    ProgramResult r = Cli({"mode", "automatic"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Setting("Mode"), "1\n");
    EXPECT_EQ(ReadFile(game + "MAP.TER"), "Terrain/Channel/Summer/MAP.TER");
    EXPECT_EQ(Cli({"mode", "manual"}).status, 0);
    EXPECT_EQ(Setting("Mode"), "0\n");

    // Each run starts with no career remembered, so each acts on the newest.
    Career("A.SVE", 9, 3000, "Older");
    for (const char* verb : {"check", "refresh"}) {
        WriteFile(game + "MAP.TER", "by hand");
        r = Cli({verb});
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out, "1 October, 1943  Meyer, Older\n") << verb;
        EXPECT_EQ(ReadFile(game + "MAP.TER"), "Terrain/Channel/Autumn/MAP.TER") << verb;
    }
    r = Cli({"careers"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "* 1 October, 1943  Meyer, Older\n  1 July, 1943  Meyer, Newer\n");
}

TEST_F(SeasonVerbs, UsageErrors) {
    for (std::string line : {"season", "season fall", "set 0", "set 26", "set x", "set 1 2",
                             "mode auto", "check now", "careers x"}) {
        std::vector<std::string> args;
        for (std::size_t at; (at = line.find(' ')) != std::string::npos; line.erase(0, at + 1))
            args.push_back(line.substr(0, at));
        args.push_back(line);
        EXPECT_EQ(Cli(args).status, 2) << line;
    }
    EXPECT_EQ(Setting("TerrainSet"), "1\n");
}

}  // namespace
}  // namespace harbinet::test
