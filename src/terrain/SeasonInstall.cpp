#include "terrain/SeasonInstall.h"

#include "model/Names.h"
#include "terrain/TerrainEngine.h"
#include "terrain/TerrainSets.h"

namespace harbinet {

namespace {

std::string SeasonWord(Season season) {
    return LowerAscii(SeasonName(season));
}

}  // namespace

// The list when it may be used. An empty terrain or skin list is told (reportAs), and a list
// that would take every file of the game changes nothing and is told by its key.
std::optional<std::string> UsableList(Planner& plan, const std::string& list,
                                      const settings::TextKey& key, const char* reportAs) {
    if (list.empty()) {
        if (reportAs) plan.Tell(Format(text::kBadFileTypes, reportAs));
        return std::nullopt;
    }
    if (terrain::TakesEveryFile(list)) {
        const std::string name(key.name);
        plan.Tell(Format(text::kListTakesEverything, name.c_str(), list.c_str()));
        return std::nullopt;
    }
    return list;
}

PatternLists PatternLists::Read(const Settings& store) {
    return {store.Get(settings::kTerrainFiles), store.Get(settings::kSkinFiles),
            store.Get(settings::kCommonFiles)};
}

PatternLists PatternLists::Installed() {
    return {std::string(settings::InstalledValueOf(settings::kTerrainFiles.name)),
            std::string(settings::InstalledValueOf(settings::kSkinFiles.name)),
            std::string(settings::InstalledValueOf(settings::kCommonFiles.name))};
}

std::string SetStoreFolder(const std::string& store, const std::string& name,
                           std::optional<Season> season) {
    std::string relative = name;
    if (season) relative += "/" + std::string(SeasonName(*season));
    return files::ResolveName(store, relative) + "/";
}

void PlanSeason(Planner& plan, const ProgramState& state, unsigned set, Season season) {
    const Settings& store = state.settings;
    const std::string name = store.TerrainSetName(set);
    if (!IsUsableName(name)) return plan.Refuse(Format(text::kUnusableSetName, name.c_str()));

    // The season is recorded first: should the copy be cut short, the journal finishes it.
    plan.Setting(state.SettingsPath, settings::OfSeason(season));
    // A set without seasons installs its one terrain whichever season is asked for.
    const std::optional<Season> folder =
        store.TerrainSetHasSeasons(set) ? std::optional(season) : std::nullopt;
    const PatternLists lists = PatternLists::Read(store);
    if (const auto list = UsableList(plan, lists.terrain, settings::kTerrainFiles, "Terrain"))
        plan.CopyMatchingList(SetStoreFolder(state.TerrainFolder, name, folder), state.GameFolder,
                              *list);
    if (!state.settings.Get(settings::kCopySkins)) return;
    if (const auto list = UsableList(plan, lists.skins, settings::kSkinFiles, "Skins"))
        plan.CopyMatchingList(SetStoreFolder(state.SkinsFolder, name, folder), state.GameFolder,
                              *list);
}

void PlanRemoveInstalledFiles(Planner& plan, const ProgramState& state, const PatternLists& lists) {
    // Common files are optional, so an empty list of them is no fault (and matches nothing).
    if (const auto list = UsableList(plan, lists.common, settings::kCommonFiles, nullptr))
        plan.DeleteMatchingList(state.GameFolder, *list);
    if (const auto list = UsableList(plan, lists.terrain, settings::kTerrainFiles, "Terrain"))
        plan.DeleteMatchingList(state.GameFolder, *list);
    if (!state.settings.Get(settings::kCopySkins)) return;
    if (const auto list = UsableList(plan, lists.skins, settings::kSkinFiles, "Skins"))
        plan.DeleteMatchingList(state.GameFolder, *list);
}

namespace {

// The game's default terrain: "TerrainSet" 0, the installed common, terrain and (with skin
// copying on) skin files out of the game folder, and the user's own ground-object detail back.
void PlanDefaultTerrain(Planner& plan, const ProgramState& state) {
    plan.Setting(state.SettingsPath, settings::Of(settings::kTerrainSet, 0));
    PlanRemoveInstalledFiles(plan, state, PatternLists::Read(state.settings));
    // The low detail of a theatre like the Pacific must not outlive it.
    PlanObjectDetail(plan, state, false);
}

}  // namespace

void PlanCurrentSeason(Planner& plan, const ProgramState& state, unsigned set) {
    if (const auto season = state.settings.InstalledSeason())
        PlanSeason(plan, state, set, *season);
    else
        PlanDefaultTerrain(plan, state);
}

ChangeSpec SeasonChange(const ProgramState& state, Season season) {
    const unsigned set = state.settings.ActiveSet();
    return {"season " + SeasonWord(season), [&state, set, season](Planner& plan) {
                if (set != 0) PlanSeason(plan, state, set, season);
            }};
}

ChangeSpec DefaultTerrainChange(const ProgramState& state) {
    return {"season default", [&state](Planner& plan) { PlanDefaultTerrain(plan, state); }};
}

ChangeResult InstallSeason(ProgramState& state, Season season) {
    if (state.settings.ActiveSet() == 0) return {};
    return RunChange(state, SeasonChange(state, season));
}

ChangeResult RestoreDefaultTerrain(ProgramState& state) {
    return RunChange(state, DefaultTerrainChange(state));
}

}  // namespace harbinet
