#include "terrain/TerrainSets.h"

#include "platform/Profile.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

// Sets "3dCityTargets" to 0, or back to the saved level when it differs from it.
void SetObjectDetail(const ProgramState& state, bool low) {
    namespace k = settings;
    const std::string ini = files::ResolveName(state.GameFolder, k::kGameIni);
    if (low) {
        profile::WriteString(ini, k::kGraphics, k::kCityTargets, "0");
        return;
    }
    const auto current = static_cast<std::int32_t>(
        profile::GetInt(ini, k::kGraphics, k::kCityTargets, k::kCityTargetsDefault));
    const std::int32_t saved = state.Settings().GetInt(k::Key::SavedObjectDetail);
    if (current != saved)
        profile::WriteString(ini, k::kGraphics, k::kCityTargets, std::to_string(saved));
}

}  // namespace

void RestoreObjectDetail(const ProgramState& state) {
    SetObjectDetail(state, false);
}

void ApplyTerrainSet(const ProgramState& state, unsigned n) {
    SetObjectDetail(state, state.Settings().TerrainSetObjectsLow(n));
    const SettingsStore store = state.Settings();
    const std::string source = state.CommonFolder + store.TerrainSetName(n) + "/";
    terrain::ForEachPattern(store.GetText(settings::Key::CommonFiles),
                            [&](std::string_view pattern) {
                                terrain::CopyMatchingFiles(source, state.GameFolder, pattern);
                            });
}

}  // namespace harbinet
