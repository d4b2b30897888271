#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SeasonFixture.h"
#include "careers/ActiveCareer.h"
#include "shell/Commands.h"
#include "shell/Modes.h"

namespace harbinet::test {
namespace {

using Events = std::vector<std::string>;

class ModesTest : public SeasonFixture {
protected:
    void SetUp() override {
        UseChannelSet("Mode=0\r\n");
        state->Timer = 2;
        career = g.AddCareer("A.SVE", {.monthIndex = 6});  // July: Summer
    }
    std::string career;
};

TEST_F(ModesTest, AutomaticModeStartsTheTimerAndInstallsTheNewestCareerAtOnce) {
    CheckActiveCareer(*state);  // the same career was acted on before
    WriteFile(game + "MAP.TER", "by hand");
    g.ui.events.clear();

    EXPECT_TRUE(RunCoreCommand(*state, cmd::kAutomaticMode));

    EXPECT_EQ(g.ui.events, (Events{"timer start 2000", "idle", "busy", "idle"}));
    EXPECT_EQ(state->Mode, 1);
    EXPECT_EQ(Setting("Mode"), "1");
    EXPECT_EQ(Game("MAP.TER"), "Summer");
    EXPECT_EQ(state->LastCareerPath, career);
}

TEST_F(ModesTest, AutomaticModeWithoutATimerStaysManual) {
    g.ui.timerWorks = false;
    const std::string settings = ReadFile(g.Settings());

    SwitchToAutomaticMode(*state);

    EXPECT_EQ(g.ui.messages, std::vector<std::string>{
                                 "error Harbinet Error: Unable to create a Timer - Cannot use "
                                 "Automatic Mode"});
    EXPECT_EQ(g.ui.events, Events{"timer start 2000"});
    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(ReadFile(g.Settings()), settings);
    EXPECT_FALSE(Exists(game + "MAP.TER")) << "no check ran";
}

TEST_F(ModesTest, ManualModeStopsTheTimerAndLeavesTheTerrain) {
    state->Mode = 1;
    WriteFile(game + "MAP.TER", "installed");
    EXPECT_TRUE(RunCoreCommand(*state, cmd::kManualMode));
    EXPECT_EQ(g.ui.events, (Events{"timer stop", "idle"}));
    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(Setting("Mode"), "0");
    EXPECT_EQ(Game("MAP.TER"), "installed");
}

TEST_F(ModesTest, StartUpInAutomaticMode) {
    state->Mode = 0;
    StartAutomaticMode(*state);
    EXPECT_TRUE(g.ui.events.empty()) << "Manual Mode starts no timer";

    state->Mode = 1;
    g.ui.timerWorks = false;
    StartAutomaticMode(*state);
    EXPECT_EQ(g.ui.events, Events{"timer start 2000"});
    EXPECT_EQ(g.ui.messages.size(), 1u);
    EXPECT_EQ(state->Mode, 1) << "the mode stays, idle";
    EXPECT_FALSE(Exists(game + "MAP.TER"));

    g.ui.timerWorks = true;
    g.ui.events.clear();
    StartAutomaticMode(*state);
    EXPECT_EQ(g.ui.events, (Events{"timer start 2000", "busy", "idle"}));
    EXPECT_EQ(Game("MAP.TER"), "Summer");
}

TEST_F(ModesTest, PeriodIsTimerSecondsWrappingIn32Bits) {
    state->Timer = 30;
    EXPECT_EQ(SeasonTimerPeriod(*state), 30000u);
    state->Timer = 4294968;  // 4294968000 wraps to 704
    EXPECT_EQ(SeasonTimerPeriod(*state), 704u);
}

TEST_F(ModesTest, RefreshInstallsTheSameCareerAgainWithoutChangingTheMode) {
    CheckActiveCareer(*state);
    WriteFile(game + "MAP.TER", "by hand");
    g.ui.events.clear();

    SeasonTimerTick(*state);
    EXPECT_EQ(Game("MAP.TER"), "by hand") << "a tick acts only on a change";
    EXPECT_TRUE(g.ui.events.empty());

    EXPECT_TRUE(RunCoreCommand(*state, cmd::kRefreshSeason));
    EXPECT_EQ(Game("MAP.TER"), "Summer");
    EXPECT_EQ(g.ui.events, (Events{"busy", "idle", "idle"}));
    EXPECT_EQ(Setting("Mode"), "0");

    // A tick after the game saved again acts.
    SetTime(career, 5000);
    WriteFile(game + "MAP.TER", "by hand");
    SeasonTimerTick(*state);
    EXPECT_EQ(Game("MAP.TER"), "Summer");
}

TEST(CoreCommands, OnlyCoreCommandsAreRun) {
    GameFolder g;
    auto state = g.MakeState();
    for (int command : {cmd::kAbout, cmd::kLaunchGame, cmd::kSetActiveCareer, cmd::kTerrainSkins,
                        cmd::kLastExternalApp, cmd::kLastTerrainSet + 1, 116})
        EXPECT_FALSE(RunCoreCommand(*state, command)) << command;
    EXPECT_TRUE(g.ui.events.empty());
    EXPECT_FALSE(Exists(g.Settings()));
}

}  // namespace
}  // namespace harbinet::test
