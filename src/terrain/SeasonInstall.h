// Installing a season of the active terrain set (with the staged skins when skin copying is
// on), and returning the game to its own default terrain.
#pragma once

#include <optional>
#include <string>

#include "model/ProgramState.h"

namespace harbinet {

// The three pattern lists of the settings file.
struct PatternLists {
    std::string terrain, skins, common;

    static PatternLists Read(const SettingsStore& store);
    // The lists a first installation writes.
    static PatternLists Installed();
};

// The store folder of a set, ending in "/": store + name + "/", plus the season's folder for a
// set with seasons; each name matched ignoring letter case against what is on disk.
std::string SetStoreFolder(const std::string& store, const std::string& name,
                           std::optional<Season> season = std::nullopt);

// Installs a season of the active terrain set and records it in "Terrain"; does nothing while
// the game's default terrain is selected. Failures are reported.
void InstallSeason(ProgramState& state, Season season);

// Selects the game's default terrain ("TerrainSet" 0), removes the installed common, terrain
// and (with skin copying on) skin files from the game folder, and gives the game back the
// user's own ground-object detail.
void RestoreDefaultTerrain(ProgramState& state);

// The removal alone, with these lists; an empty terrain or skin list is reported.
void RemoveInstalledFiles(ProgramState& state, const PatternLists& lists);

}  // namespace harbinet
