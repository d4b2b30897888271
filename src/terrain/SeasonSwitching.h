// The season commands of the tray menu: install a season of the active terrain set (with the
// staged skins when skin copying is on), or return the game to its own default terrain.
#pragma once

#include "shell/FrameState.h"

namespace harbinet {

enum Season : std::int32_t { kSpring = 1, kSummer = 2, kAutumn = 3, kWinter = 4 };

// "Spring/", "Summer/", "Autumn/", "Winter/"; empty outside 1..4.
std::string SeasonFolder(std::int32_t season);

// Installs a season (1..4) of the active terrain set; does nothing while the game's default
// terrain is selected.
void InstallSeason(FrameState& state, std::int32_t season);

// Removes the installed common, terrain and (with skin copying on) skin files from the game
// folder and selects the game's default terrain.
void RestoreDefaultTerrain(FrameState& state);

}  // namespace harbinet
