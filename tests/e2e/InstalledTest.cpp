// harbinet-cli installed system-wide, in the layout `cmake --install` makes (staged in the build
// folder): it serves the folder given or the one remembered, and a first run there brings the
// files a copied program would find beside itself.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/GameFolder.h"
#include "support/RunProgram.h"
#include "support/System.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

TEST(Installed, FirstRunSeedsANewFolderWhichLaterRunsFindRemembered) {
    UserHome home;
    GameFolder g;
    const std::string cli = HARBINET_STAGE_BIN "harbinet-cli";
    const std::string shared = HARBINET_STAGE "share/harbinet/";
    ASSERT_TRUE(std::filesystem::remove(g.Own())) << "a game without Harbinet yet";

    ProgramResult r = RunProgram(cli, {"status"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("--folder"), std::string::npos) << "no folder known yet";
    // A launcher's hook still starts the game.
    std::vector<std::string> hook = {"refresh", "--"};
    for (const std::string& arg : ExitCommand(4)) hook.push_back(arg);
    EXPECT_EQ(RunProgram(cli, hook).status, 4);

    r = RunProgram(cli, {"--folder", g.Own(), "status"});
    ASSERT_EQ(r.status, 0) << r.err;
    for (const char* name : {"HARBINET.WAV", "CLICK.WAV", "Harbinet ReadMe.RTF", "harbinet.png"})
        EXPECT_EQ(ReadFile(g.Own() + name), ReadFile(shared + name)) << name;
    for (const char* name : {"EAWLOGO.GIF", "WINTER.GIF"})
        EXPECT_EQ(ReadFile(g.Own() + "Vandelholt/" + name), ReadFile(shared + name)) << name;
#ifdef _WIN32
    // What a shell link starts is the Windows tests' (tests/windows).
    EXPECT_TRUE(Exists(home.Desktop() + "Harbinet 2.2b.lnk"));
#else
    EXPECT_NE(
        ReadFile(home.Desktop() + "Harbinet 2.2b.desktop")
            .find("Exec=\"" HARBINET_STAGE_BIN "harbinet\" \"--folder\" \"" + g.Own() + "\"\n"),
        std::string::npos);
#endif

    WriteFile(home.Config() + "harbinet/folder", g.Own() + "\n");
    EXPECT_EQ(RunProgram(cli, {"status"}).out, r.out);
}

}  // namespace
}  // namespace harbinet::test
