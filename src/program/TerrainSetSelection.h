// Choosing the active terrain set, and installing the current season again.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Set n (1..25) becomes the active set: the game's ground-object detail, the set's common
// files, then the current season for the new set. Runs in full even when n is active already.
// In Automatic Mode the season timer waits meanwhile and starts afresh afterwards.
void SelectTerrainSet(ProgramState& state, unsigned n);

// Installs the season that "Terrain" records again (after a new set or new skin choices);
// with no season recorded, the game's default terrain.
void ReinstallCurrentSeason(ProgramState& state);

// A change of the game folder that a crash or a kill cut short (or that failed in part) is run
// again to completion, as the settings record it.
void FinishUnfinishedChange(ProgramState& state);

}  // namespace harbinet
