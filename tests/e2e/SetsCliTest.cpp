// harbinet-cli sets: the list's line format, exit statuses and usage errors.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "support/GameFolder.h"
#include "support/RunProgram.h"

namespace harbinet::test {
namespace {

class SetsCli : public ::testing::Test {
  protected:
    GameFolder g;

    ProgramResult Run(const std::string& line) {
        std::vector<std::string> args = {"--folder", g.Own()};
        std::istringstream words(line);
        for (std::string w; words >> w;) args.push_back(w);
        return RunProgram(HARBINET_CLI, args);
    }
    void Install(const std::string& sets) {
        WriteFile(g.Settings(), "[Harbinet]\nVersion=22\nMode=0\n[TerrainSets]\n" + sets);
    }
};

TEST_F(SetsCli, ListAddModifyAndDeleteAsAScriptSeesThem) {
    Install("Terrain1=Channel\nSeasons1=1\nTerrain10=Pacific\nObjectsLow10=1\nTerrain2=Med\n");
    const struct {
        const char* line;
        int status;
        const char* out;
        const char* err;
    } steps[] = {
        {"sets add Burma --objects-low --seasons", 0, "3\n", ""},
        {"sets modify 10 --no-objects-low --seasons", 0, "", ""},
        {"sets add pacific", 1, "",
         "Harbinet Error: There is already a terrain set named \"Pacific\" (letter case does "
         "not count in folder names)\n"},
        {"sets delete 2", 0, "",
         "Delete Terrain Set: Do you really want to delete the Med Terrain Set? [No]\n"},
        {"sets modify 4 --seasons", 1, "", "Harbinet Error: There is no terrain set 4\n"},
        {"sets list", 0,
         "1\tChannel\tyes\tno\n2\tMed\tno\tno\n3\tBurma\tyes\tyes\n10\tPacific\tyes\tno\n", ""},
    };
    for (const auto& s : steps) {
        const ProgramResult r = Run(s.line);
        EXPECT_EQ(r.status, s.status) << s.line;
        EXPECT_EQ(r.out, s.out) << s.line;
        EXPECT_EQ(r.err, s.err) << s.line;
    }
    for (const char* usage :
         {"sets", "sets list 1", "sets add", "sets add X --no-seasons", "sets modify 1",
          "sets modify 26 --seasons", "sets modify 1 --seasons --no-seasons", "sets delete",
          "sets delete 0"})
        EXPECT_EQ(Run(usage).status, 2) << usage;
}

TEST_F(SetsCli, AddingToAFullListFails) {
    std::string sets;
    for (int n = 1; n <= 25; ++n)
        sets += "Terrain" + std::to_string(n) + "=Set " + std::to_string(n) + "\n";
    Install(sets);
    const ProgramResult r = Run("sets add Burma");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err,
              "Harbinet Error: All 25 terrain sets are in use: delete one before adding another\n");
}

}  // namespace
}  // namespace harbinet::test
