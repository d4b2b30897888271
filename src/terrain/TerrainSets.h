// The terrain sets of section TerrainSets: what choosing one does to the game folder.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// "3dCityTargets" of the game's EAW.INI: lowered to 0 while set n asks for low ground-object
// detail, else brought back to the user's "SavedObjectDetail". The file is written only when
// the value must change (or the set asks for low detail).
void AdjustObjectDetail(const ProgramState& state, unsigned n);

// The game folder's part of choosing set n: the object detail, then the set's common files.
// The season is the caller's to install.
void ApplyTerrainSet(const ProgramState& state, unsigned n);

}  // namespace harbinet
