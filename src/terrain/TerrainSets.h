// The terrain sets of section TerrainSets: what choosing one does to the game folder.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// "3dCityTargets" back to the user's "SavedObjectDetail" when it differs, as with the game's
// own default terrain.
void RestoreObjectDetail(ProgramState& state);

// The game folder's part of choosing set n: "3dCityTargets" of the game's EAW.INI lowered to 0
// while the set asks for low ground-object detail, else brought back to the user's
// "SavedObjectDetail" (written only when it differs); then the set's common files. The season
// is the caller's to install.
void ApplyTerrainSet(ProgramState& state, unsigned n);

}  // namespace harbinet
