// harbinet-cli apps and configure as a script sees them: formats, exit statuses, usage errors.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/GameFolder.h"
#include "support/RunProgram.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

TEST(AppsCli, VerbsPrintTheirResultsAndRefuseWhatTheDialogsRefuse) {
    UserHome home;
    GameFolder g;
    WriteFile(g.Settings(),
              "[Harbinet]\nVersion=22\nMode=0\nTerrainFiles=*.TER\nSkinFiles=P*\n"
              "[External]\nApp1Desc=Panel\nApp1EXE=Panel.exe\n");
    WriteFile(g.Game() + "TOOLS/ECA.EXE", "MZ");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out, err;
    } cases[] = {
        {{"apps", "add", "ECA Panel", "..\\TOOLS\\ECA.EXE"}, 0, "2\n", ""},
        {{"apps", "add", "Gone", "TOOLS/ECA.EXE"},
         1,
         "",
         "Harbinet Error: The executable TOOLS/ECA.EXE does not exist\n"},
        {{"apps", "list"}, 0, "1\tPanel\tPanel.exe\n2\tECA Panel\t..\\\\TOOLS\\\\ECA.EXE\n", ""},
        {{"apps", "modify", "2", "ECA", "../TOOLS"}, 0, "", ""},
        {{"apps", "modify", "3", "ECA", "../TOOLS"},
         1,
         "",
         "Harbinet Error: External application slot 3 is empty\n"},
        {{"apps", "delete", "2"},
         0,
         "",
         "Delete External Application: Do you really want to delete ECA? [No]\n"},
        {{"--yes", "apps", "delete", "1"},
         0,
         "",
         "Delete External Application: Do you really want to delete Panel? [Yes]\n"},
        {{"apps", "list"}, 0, "2\tECA\t../TOOLS\n", ""},
        {{"configure", "set", "SkinFiles", "P*,"},
         1,
         "",
         "Harbinet Error: The file types specified for Skins are invalid or incorrectly "
         "formatted\n"},
        {{"configure", "set", "SavedObjectDetail", "medium"}, 0, "", ""},
        {{"configure", "set", "LoadOnStart", "1"}, 0, "", ""},
        {{"configure", "show"},
         0,
         "ClickDefault\t0\nLoadOnStart\t1\nCopySkins\t0\nLaunchAfter\t0\n"
         "SavedObjectDetail\tmedium\nTerrainFiles\t*.TER\nSkinFiles\tP*\nCommonFiles\t\n",
         ""},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = {"--folder", g.Own()};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProgramResult r = RunProgram(HARBINET_CLI, args);
        EXPECT_EQ(r.status, c.status) << c.args[1];
        EXPECT_EQ(r.out, c.out) << c.args[1];
        EXPECT_EQ(r.err, c.err) << c.args[1];
    }
    EXPECT_TRUE(Exists(home.Config() + "autostart/harbinet.desktop"));

    for (const std::vector<std::string>& usage :
         std::vector<std::vector<std::string>>{{"apps", "add", "Only"},
                                               {"apps", "modify", "26", "A", "B"},
                                               {"apps", "delete", "x"},
                                               {"apps"},
                                               {"configure", "set", "LoadOnStart", "yes"},
                                               {"configure", "set", "Timer", "5"}}) {
        std::vector<std::string> args = {"--folder", g.Own()};
        args.insert(args.end(), usage.begin(), usage.end());
        EXPECT_EQ(RunProgram(HARBINET_CLI, args).status, 2) << usage.back();
    }
}

}  // namespace
}  // namespace harbinet::test
