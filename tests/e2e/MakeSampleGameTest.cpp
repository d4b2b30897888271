// The sample game folder of the README's run command.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace harbinet::test {
namespace {

ProgramResult MakeSample(std::initializer_list<std::string> args) {
    return RunProgram(HARBINET_MAKE_SAMPLE_GAME, args);
}

TEST(MakeSampleGame, LaysOutAGameThatTheProgramInstallsInto) {
    TempDir dir;
    const std::string game = dir / "EAW/", own = game + "Harbinet/";
    ProgramResult r = MakeSample({dir / "EAW", "--game", HARBINET_CLI});
    ASSERT_EQ(r.status, 0) << r.err;
    struct stat st {};
    ASSERT_EQ(::stat((game + "EAW.EXE").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);

    // Careers of several seasons, the July one written last.
    EXPECT_EQ(RunProgram(HARBINET_CLI, {"--folder", own, "careers"}).out,
              "  12 February, 1944  Ridley, Jack\n"
              "  3 September, 1943  Meyer, Hans\n"
              "  21 April, 1944  Harper, Tom\n"
              "* 15 July, 1943  Vogt, Karl\n"
              "  28 November, 1944  Brennan, Ed\n");
    for (const char* season : {"Spring", "Summer", "Autumn", "Winter"}) {
        EXPECT_NE(ReadFile(own + "Terrain/Channel Front/" + season + "/EAW1.TER").find(season),
                  std::string::npos);
    }
    EXPECT_NE(ReadFile(own + "Terrain/Pacific/EAW1.TER").find("Pacific"), std::string::npos);

    // No settings yet: the first start installs and returns the game to its default terrain.
    EXPECT_FALSE(Exists(own + "harbinet.INI"));
    ASSERT_TRUE(Exists(game + "EAW1.TER"));
    EXPECT_EQ(RunProgram(HARBINET_CLI, {"--folder", own, "status"}).status, 0);
    EXPECT_FALSE(Exists(game + "EAW1.TER"));
    EXPECT_TRUE(Exists(own + "Terrain/Channel Front/Winter/EAW1.TER"));
}

TEST(MakeSampleGame, ReplacesOnlyItsOwnFolderAndOnlyWhenForced) {
    TempDir dir;
    const std::string game = dir / "EAW";
    ASSERT_EQ(MakeSample({game, "--game", HARBINET_CLI}).status, 0);
    WriteFile(game + "/Savedata/MINE.SVE", "kept");
    EXPECT_EQ(MakeSample({game, "--game", HARBINET_CLI}).status, 1);
    EXPECT_EQ(ReadFile(game + "/Savedata/MINE.SVE"), "kept");

    // Its own EAW.EXE may serve as the program for the new folder.
    ASSERT_EQ(MakeSample({game, "--game", game + "/EAW.EXE", "--force"}).status, 0);
    EXPECT_FALSE(Exists(game + "/Savedata/MINE.SVE"));
    EXPECT_EQ(ReadFile(game + "/EAW.EXE"), ReadFile(HARBINET_CLI));

    const std::string other = WriteFile(dir / "home/notes.txt", "precious");
    EXPECT_EQ(MakeSample({dir / "home", "--game", HARBINET_CLI, "--force"}).status, 1);
    EXPECT_EQ(ReadFile(other), "precious");
    EXPECT_EQ(MakeSample({dir / "new"}).status, 2) << "the game program is required";
}

}  // namespace
}  // namespace harbinet::test
