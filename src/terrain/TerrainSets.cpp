#include "terrain/TerrainSets.h"

#include "model/Names.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

void PlanObjectDetail(Planner& plan, const ProgramState& state, bool low) {
    namespace k = settings;
    const std::string ini = files::ResolveName(state.GameFolder, k::kGameIni);
    if (low) return plan.Setting(ini, k::kGraphics, k::kCityTargets, "0");
    const auto current = static_cast<std::int32_t>(
        plan.Int(ini, k::kGraphics, k::kCityTargets, k::kCityTargetsDefault));
    const std::int32_t saved = state.Settings().GetInt(k::Key::SavedObjectDetail);
    if (current != saved) plan.Setting(ini, k::kGraphics, k::kCityTargets, std::to_string(saved));
}

void PlanTerrainSet(Planner& plan, const ProgramState& state, unsigned n) {
    const SettingsStore store = state.Settings();
    const std::string name = store.TerrainSetName(n);
    if (!IsUsableName(name)) return plan.Refuse(Format(text::kUnusableSetName, name.c_str()));
    plan.Setting(state.SettingsPath, settings::kSection,
                 settings::Info(settings::Key::TerrainSet).name, std::to_string(n));
    PlanObjectDetail(plan, state, store.TerrainSetObjectsLow(n));
    if (const auto common = UsableList(plan, store.GetText(settings::Key::CommonFiles),
                                       settings::Key::CommonFiles, nullptr))
        plan.CopyMatchingList(SetStoreFolder(state.CommonFolder, name), state.GameFolder, *common);
}

}  // namespace harbinet
