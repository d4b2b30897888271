// The tray menu's command ids, and the one place they are turned into typed commands and back.
// Menu ids end here: every operation behind them takes a season, a set or a slot.
#pragma once

#include <optional>

#include "model/ProgramState.h"

namespace harbinet {

namespace cmd {
inline constexpr int kClose = 106;
inline constexpr int kAbout = 107;
inline constexpr int kLaunchGame = 108;
inline constexpr int kDefaultTerrain = 109;
inline constexpr int kAutomaticMode = 114;
inline constexpr int kManualMode = 115;
inline constexpr int kRefreshSeason = 117;
inline constexpr int kSetActiveCareer = 129;
inline constexpr int kConfigure = 130;
inline constexpr int kConfigureTerrainSets = 131;
inline constexpr int kConfigureExternalApps = 132;
inline constexpr int kConfigureSkins = 138;
inline constexpr int kTerrainSkins = 139;

int Season(harbinet::Season season);  // 110..113
int ExternalApp(unsigned slot);       // 225..249
int TerrainSet(unsigned n);           // 250..274
}  // namespace cmd

struct Command {
    enum class Kind {
        Close,
        About,
        LaunchGame,
        DefaultTerrain,
        InstallSeason,
        AutomaticMode,
        ManualMode,
        RefreshSeason,
        SetActiveCareer,
        Configure,
        ConfigureTerrainSets,
        ConfigureExternalApps,
        ConfigureSkins,
        TerrainSkins,
        LaunchApp,
        SelectTerrainSet,
    };
    Kind kind;
    Season season = Season::Spring;  // InstallSeason
    unsigned number = 0;             // LaunchApp: the slot; SelectTerrainSet: the set
};

// The command behind a menu id; none for an id the menu never carries.
std::optional<Command> DecodeCommand(int id);

// Runs a command that is an operation of the program; false, doing nothing, for those that
// open a window or end the program, which the program's frame runs itself.
bool RunCommand(ProgramState& state, const Command& command);

}  // namespace harbinet
