// Choosing the active terrain set, and installing the current season again.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Set n (1..25) becomes the active set: the game's ground-object detail, the set's common
// files, then the current season for the new set, as one change. Runs in full even when n is
// active already. In Automatic Mode the season timer waits meanwhile and starts afresh after.
void SelectTerrainSet(ProgramState& state, unsigned n);

// Installs the season that "Terrain" records again (after new skin choices); with no season
// recorded, the game's default terrain.
void ReinstallCurrentSeason(ProgramState& state);

}  // namespace harbinet
