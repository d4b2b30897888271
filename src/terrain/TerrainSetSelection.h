// Choosing the active terrain set: the game's ground-object detail, the set's common files,
// and the current season installed again for the new set.
#pragma once

#include "shell/FrameState.h"

namespace harbinet {

// Commands 250..274 (n = command - 249). Runs in full even when n is the active set already.
void SelectTerrainSet(FrameState& state, std::int32_t n);

// Posts the season command matching "Terrain" (110..113), or 109 for any other value, so that
// it runs after the current command has been handled.
void ReinstallCurrentSeason(FrameState& state);

}  // namespace harbinet
