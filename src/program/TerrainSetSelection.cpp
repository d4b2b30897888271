#include "program/TerrainSetSelection.h"

#include "program/Modes.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainSets.h"

namespace harbinet {

void SelectTerrainSet(ProgramState& state, unsigned n) {
    state.host.UpdateTrayIcon(true);
    const bool automatic = state.Automatic();
    if (automatic) state.host.StopSeasonTimer();

    state.TerrainSet = static_cast<std::int32_t>(n);
    state.Settings().SetInt(settings::Key::TerrainSet, n);
    ApplyTerrainSet(state, n);
    ReinstallCurrentSeason(state);

    state.host.UpdateTrayIcon(false);
    if (automatic) StartSeasonTimer(state);
}

void ReinstallCurrentSeason(ProgramState& state) {
    if (const auto season = state.InstalledSeason())
        InstallSeason(state, *season);
    else
        RestoreDefaultTerrain(state);
}

}  // namespace harbinet
