// The season timer running in the frame: a new career save changes the terrain on the next tick.
#include "gui/FrameFixture.h"
#include "shell/Commands.h"

namespace harbinet {
namespace {

using test::FrameTest;
using test::ReadFile;
using test::RunEventsUntil;
using test::SetWriteTime;
using test::WriteFile;

TEST_F(FrameTest, EachTickInstallsTheSeasonOfANewlyWrittenCareer) {
    const std::string store = game.Own() + "Terrain/Channel Front/";
    for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
        WriteFile(store + season + "/MAP.TER", season);
    game.AddCareer("JULY.SVE", {.monthIndex = 6});

    CMainFrame& f = Start(
        "[Harbinet]\nVersion=22\nMode=1\nTimer=1\nTerrain=1\nTerrainSet=1\n"
        "TerrainFiles=*.TER\n[TerrainSets]\nTerrain1=Channel Front\nSeasons1=1\n");
    // Start-up in Automatic Mode runs the first check at once.
    ASSERT_TRUE(f.SeasonTimerRunning());
    EXPECT_EQ(f.SeasonTimerInterval(), 1000);
    EXPECT_EQ(ReadFile(game.Game() + "MAP.TER"), "Summer");

    // The game saves another career: the next tick follows its month.
    const std::string december = game.AddCareer("DECEMBER.SVE", {.monthIndex = 11});
    ASSERT_TRUE(SetWriteTime(december, 4102444800));  // 2100, surely newest
    ASSERT_TRUE(RunEventsUntil([&] { return ReadFile(game.Game() + "MAP.TER") == "Winter"; }));
    EXPECT_NE(ReadFile(game.Settings()).find("Terrain=4"), std::string::npos);

    // Manual Mode stops the ticks.
    f.RunCommand(cmd::kManualMode);
    EXPECT_FALSE(f.SeasonTimerRunning());
}

}  // namespace
}  // namespace harbinet
