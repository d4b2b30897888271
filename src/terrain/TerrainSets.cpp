#include "terrain/TerrainSets.h"

#include "platform/Profile.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

void AdjustObjectDetail(const ProgramState& state, unsigned n) {
    namespace k = settings;
    const SettingsStore store = state.Settings();
    const std::string ini = files::ResolveName(state.GameFolder, k::kGameIni);
    const auto current = static_cast<std::int32_t>(
        profile::GetInt(ini, k::kGraphics, k::kCityTargets, k::kCityTargetsDefault));
    const std::int32_t saved = store.GetInt(k::Key::SavedObjectDetail);
    if (store.TerrainSetObjectsLow(n)) {
        profile::WriteString(ini, k::kGraphics, k::kCityTargets, "0");
    } else if (current != saved) {
        profile::WriteString(ini, k::kGraphics, k::kCityTargets, std::to_string(saved));
    }
}

void ApplyTerrainSet(const ProgramState& state, unsigned n) {
    AdjustObjectDetail(state, n);
    const SettingsStore store = state.Settings();
    const std::string source = state.CommonFolder + store.TerrainSetName(n) + "/";
    terrain::ForEachPattern(store.GetText(settings::Key::CommonFiles),
                            [&](std::string_view pattern) {
                                terrain::CopyMatchingFiles(source, state.GameFolder, pattern);
                            });
}

}  // namespace harbinet
