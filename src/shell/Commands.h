// Command ids of the tray menu and of the posted commands.
#pragma once

namespace harbinet::cmd {

inline constexpr int kAddTrayIcon = 104;
inline constexpr int kRemoveTrayIcon = 105;
inline constexpr int kClose = 106;
inline constexpr int kAbout = 107;
inline constexpr int kLaunchGame = 108;
inline constexpr int kDefaultTerrain = 109;
inline constexpr int kSpring = 110;  // 109 + season
inline constexpr int kSummer = 111;
inline constexpr int kAutumn = 112;
inline constexpr int kWinter = 113;
inline constexpr int kAutomaticMode = 114;
inline constexpr int kManualMode = 115;
inline constexpr int kRefreshSeason = 117;
inline constexpr int kSetActiveCareer = 129;
inline constexpr int kConfigure = 130;
inline constexpr int kConfigureTerrainSets = 131;
inline constexpr int kConfigureExternalApps = 132;
inline constexpr int kConfigureSkins = 138;
inline constexpr int kTerrainSkins = 139;
inline constexpr int kFirstExternalApp = 225;  // 224 + n
inline constexpr int kLastExternalApp = 249;
inline constexpr int kFirstTerrainSet = 250;  // 249 + n
inline constexpr int kLastTerrainSet = 274;

}  // namespace harbinet::cmd

namespace harbinet {

struct FrameState;

// Runs the commands that are core operations alone: the season commands (109..113), the modes
// (114, 115), "Use Proper Season Terrain" (117) and the terrain sets (250..274). False for any
// other id, which the caller handles itself.
bool RunCoreCommand(FrameState& state, int command);

}  // namespace harbinet
