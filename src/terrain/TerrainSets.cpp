#include "terrain/TerrainSets.h"

#include "platform/Profile.h"
#include "terrain/GameFolderChange.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

// Sets "3dCityTargets" to 0, or back to the saved level when it differs from it.
void SetObjectDetail(ProgramState& state, bool low) {
    namespace k = settings;
    GameFolderChange change(state, 0);
    if (!change.Begun()) return;
    const std::string ini = files::ResolveName(state.GameFolder, k::kGameIni);
    if (low) {
        change.Wrote(profile::WriteString(ini, k::kGraphics, k::kCityTargets, "0"), ini);
        return;
    }
    const auto current = static_cast<std::int32_t>(
        profile::GetInt(ini, k::kGraphics, k::kCityTargets, k::kCityTargetsDefault));
    const std::int32_t saved = state.Settings().GetInt(k::Key::SavedObjectDetail);
    if (current != saved)
        change.Wrote(
            profile::WriteString(ini, k::kGraphics, k::kCityTargets, std::to_string(saved)), ini);
}

}  // namespace

void RestoreObjectDetail(ProgramState& state) {
    SetObjectDetail(state, false);
}

void ApplyTerrainSet(ProgramState& state, unsigned n) {
    GameFolderChange change(state, n);
    if (!change.Begun()) return;
    const SettingsStore store = state.Settings();
    SetObjectDetail(state, store.TerrainSetObjectsLow(n));
    const std::string source = SetStoreFolder(state.CommonFolder, store.TerrainSetName(n));
    change.NotCopied(terrain::CopyMatchingList(source, state.GameFolder,
                                               store.GetText(settings::Key::CommonFiles)));
}

}  // namespace harbinet
