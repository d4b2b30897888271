#include "terrain/TerrainSetSelection.h"

#include "platform/Profile.h"
#include "shell/Commands.h"
#include "shell/Modes.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

// "3dCityTargets" of the game's EAW.INI: lowered while the set asks for it, else brought back
// to the user's usual level. The file is written only when the value must be set.
void AdjustObjectDetail(const FrameState& state, const SettingsStore& store, unsigned n) {
    namespace k = settings;
    const std::string ini = files::ResolveName(state.GameFolder, k::kGameIni);
    const auto current = static_cast<std::int32_t>(
        profile::GetInt(ini, k::kGraphics, k::kCityTargets, k::kSavedObjectDetailDefault));
    const std::int32_t saved = store.GetInt(k::kSavedObjectDetail, k::kSavedObjectDetailDefault);
    if (store.TerrainSetObjectsLow(n)) {
        profile::WriteString(ini, k::kGraphics, k::kCityTargets, "0");
    } else if (current != saved) {
        profile::WriteString(ini, k::kGraphics, k::kCityTargets, std::to_string(saved));
    }
}

}  // namespace

void SelectTerrainSet(FrameState& state, std::int32_t n) {
    state.Ui.UpdateTrayIcon(true);
    const bool automatic = state.Mode == 1;
    if (automatic) state.Ui.StopSeasonTimer();

    const SettingsStore store = state.Settings();
    state.TerrainSet = n;
    store.SetInt(settings::kTerrainSet, n);

    const auto set = static_cast<unsigned>(n);
    AdjustObjectDetail(state, store, set);

    const std::string source = state.CommonFolder + store.TerrainSetName(set) + "/";
    terrain::ForEachPattern(store.GetText(settings::kCommonFiles), [&](std::string_view pattern) {
        terrain::CopyMatchingFiles(source, state.GameFolder, pattern);
    });

    ReinstallCurrentSeason(state);
    state.Ui.UpdateTrayIcon(false);

    if (automatic && !state.Ui.StartSeasonTimer(SeasonTimerPeriod(state)))
        state.Ui.ShowError(text::kNoTimer);
}

void ReinstallCurrentSeason(FrameState& state) {
    const bool season = state.Terrain >= 1 && state.Terrain <= 4;
    state.Ui.PostCommand(season ? cmd::kDefaultTerrain + state.Terrain : cmd::kDefaultTerrain);
}

}  // namespace harbinet
