// Installing a season of the active terrain set (with the staged skins when skin copying is
// on), and returning the game to its own default terrain.
#pragma once

#include <optional>
#include <string>

#include "change/Change.h"
#include "model/ProgramState.h"

namespace harbinet {

// The three pattern lists of the settings file.
struct PatternLists {
    std::string terrain, skins, common;

    static PatternLists Read(const Settings& store);
    // The lists a first installation writes.
    static PatternLists Installed();
};

// A pattern list when it may be used. An empty list is told as "The file types specified for
// REPORTAS ..." (not at all without reportAs), and a list that would take every file of the
// game changes nothing and is told by its key.
std::optional<std::string> UsableList(Planner& plan, const std::string& list,
                                      const settings::TextKey& key, const char* reportAs);

// The store folder of a set, ending in "/": store + name + "/", plus the season's folder for a
// set with seasons; each name matched ignoring letter case against what is on disk.
std::string SetStoreFolder(const std::string& store, const std::string& name,
                           std::optional<Season> season = std::nullopt);

// The installation of a season of set n: "Terrain" recorded, then the set's terrain and, with
// skin copying on, its staged skins for that season. A set whose name cannot be a folder name
// is refused.
void PlanSeason(Planner& plan, const ProgramState& state, unsigned set, Season season);
// The removal alone, with these lists; an empty terrain or skin list is told.
void PlanRemoveInstalledFiles(Planner& plan, const ProgramState& state, const PatternLists& lists);
// The season "Terrain" records installed again for set n; with none recorded, the default.
void PlanCurrentSeason(Planner& plan, const ProgramState& state, unsigned set);

// The season of the active terrain set (no step while the game's default terrain is selected),
// and the game's default terrain, as changes to run or to show.
ChangeSpec SeasonChange(const ProgramState& state, Season season);
ChangeSpec DefaultTerrainChange(const ProgramState& state);

// Installs a season of the active terrain set; does nothing while the game's default terrain
// is selected.
ChangeResult InstallSeason(ProgramState& state, Season season);
ChangeResult RestoreDefaultTerrain(ProgramState& state);

}  // namespace harbinet
