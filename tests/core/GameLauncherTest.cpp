#include "shell/GameLauncher.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/Profile.h"
#include "support/GameFolder.h"

namespace harbinet {
namespace {

using Argv = std::vector<std::string>;

TEST(LaunchGame, BringsARunningGameForwardAndStartsNothing) {
    test::GameFolder game;
    auto state = game.MakeState();
    game.desktop.windows = {"European Air War"};
    LaunchGame(*state);
    EXPECT_EQ(game.desktop.raised, Argv{"European Air War"});
    EXPECT_TRUE(game.desktop.spawned.empty());
    EXPECT_TRUE(game.ui.messages.empty());
}

TEST(LaunchGame, StartsTheWindowsGameThroughWineInTheGameFolder) {
    test::GameFolder game;  // its EAW.EXE begins with "MZ"
    ASSERT_EQ(std::rename((game.Game() + "EAW.EXE").c_str(), (game.Game() + "eaw.exe").c_str()), 0);
    auto state = game.MakeState();
    game.desktop.windows = {"European Air War II", "european air war"};
    LaunchGame(*state);
    EXPECT_TRUE(game.desktop.raised.empty());
    ASSERT_EQ(game.desktop.spawned.size(), 1u);
    EXPECT_EQ(game.desktop.spawned[0].argv, (Argv{"wine", game.Game() + "eaw.exe"}));
    EXPECT_EQ(game.desktop.spawned[0].workingFolder, game.Game());
}

TEST(StartProcess, TheRunnerOfTheSettingsStartsWindowsExecutablesOnly) {
    test::GameFolder game;
    auto state = game.MakeState();
    ASSERT_TRUE(profile::WriteString(game.Settings(), "Harbinet", "Runner", "/opt/proton/run"));
    const std::string windows = test::WriteFile(game.Game() + "Tool.exe", "MZ");
    const std::string native = test::WriteFile(game.Game() + "tool.sh", "#!/bin/sh\n");
    const std::string almost = test::WriteFile(game.Game() + "M.exe", "M");  // too short

    EXPECT_TRUE(StartProcess(*state, windows, nullptr, game.Own()));
    EXPECT_TRUE(StartProcess(*state, native, &native, game.Game()));
    EXPECT_TRUE(StartProcess(*state, almost, nullptr, game.Game()));
    ASSERT_EQ(game.desktop.spawned.size(), 3u);
    EXPECT_EQ(game.desktop.spawned[0].argv, (Argv{"/opt/proton/run", windows}));
    EXPECT_EQ(game.desktop.spawned[0].workingFolder, game.Own());
    EXPECT_EQ(game.desktop.spawned[1].argv, Argv{native});
    EXPECT_EQ(game.desktop.spawned[2].argv, Argv{almost});
    EXPECT_TRUE(game.ui.messages.empty());
}

TEST(StartProcess, AFailureShowsUnableToLaunchWithThePath) {
    test::GameFolder game;
    auto state = game.MakeState();
    game.desktop.spawnWorks = false;
    const std::string path = game.Game() + "EAW.EXE";
    EXPECT_FALSE(StartProcess(*state, path, &path, game.Game()));
    EXPECT_EQ(game.ui.messages, Argv{"error Harbinet Error: Unable to launch " + path});
}

}  // namespace
}  // namespace harbinet
