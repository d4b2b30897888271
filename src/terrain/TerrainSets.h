// The terrain sets of section TerrainSets: what choosing one does to the game folder.
#pragma once

#include "change/Change.h"
#include "change/Planner.h"
#include "model/ProgramState.h"

namespace harbinet {

// "3dCityTargets" of the game's EAW.INI: 0 while a set asks for low ground-object detail (low),
// else the user's "SavedObjectDetail", written only when it differs.
void PlanObjectDetail(Planner& plan, const ProgramState& state, bool low);

// The game folder's part of choosing set n: "TerrainSet" = n, the ground-object detail, then
// the set's common files. The season is the caller's to plan.
void PlanTerrainSet(Planner& plan, const ProgramState& state, unsigned n);

// Choosing set n as one change: the game folder's part, then the current season for the set.
ChangeSpec TerrainSetChange(const ProgramState& state, unsigned n);
// What the settings say is installed, made so again: the active set's change, else the game's
// default terrain.
ChangeSpec InstalledChange(const ProgramState& state);

}  // namespace harbinet
