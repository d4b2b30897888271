#include "terrain/TerrainSets.h"

#include "model/Names.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

void PlanObjectDetail(Planner& plan, const ProgramState& state, bool low) {
    const std::string ini = game_ini::PathIn(state.GameFolder);
    if (low) return plan.Setting(ini, game_ini::CityTargetsValue(0));
    const std::int32_t current = game_ini::CityTargets(plan.Planned(ini).Text());
    const std::int32_t saved = state.settings.Get(settings::kSavedObjectDetail);
    if (current != saved) plan.Setting(ini, game_ini::CityTargetsValue(saved));
}

void PlanTerrainSet(Planner& plan, const ProgramState& state, unsigned n) {
    const Settings& store = state.settings;
    const std::string name = store.TerrainSetName(n);
    if (!IsUsableName(name)) return plan.Refuse(Format(text::kUnusableSetName, name.c_str()));
    plan.Setting(state.SettingsPath,
                 settings::Of(settings::kTerrainSet, static_cast<std::int32_t>(n)));
    PlanObjectDetail(plan, state, store.TerrainSetObjectsLow(n));
    if (const auto common =
            UsableList(plan, store.Get(settings::kCommonFiles), settings::kCommonFiles, nullptr))
        plan.CopyMatchingList(SetStoreFolder(state.CommonFolder, name), state.GameFolder, *common);
}

ChangeSpec TerrainSetChange(const ProgramState& state, unsigned n) {
    return {"set " + std::to_string(n), [&state, n](Planner& plan) {
                PlanTerrainSet(plan, state, n);
                if (!plan.Refused()) PlanCurrentSeason(plan, state, n);
            }};
}

ChangeSpec InstalledChange(const ProgramState& state) {
    const unsigned set = state.settings.ActiveSet();
    return set != 0 ? TerrainSetChange(state, set) : DefaultTerrainChange(state);
}

}  // namespace harbinet
