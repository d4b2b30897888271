#include "program/TerrainSetSelection.h"

#include "program/Modes.h"
#include "terrain/GameFolderChange.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainSets.h"

namespace harbinet {

void SelectTerrainSet(ProgramState& state, unsigned n) {
    const bool automatic = state.Automatic();
    if (automatic) state.host.StopSeasonTimer();
    {
        GameFolderChange change(state, n);
        const SettingsStore store = state.Settings();
        if (change.Begun() &&
            change.Wrote(store.SetInt(settings::Key::TerrainSet, n), store.Path())) {
            state.TerrainSet = static_cast<std::int32_t>(n);
            ApplyTerrainSet(state, n);
            ReinstallCurrentSeason(state);
        }
    }
    if (automatic) StartSeasonTimer(state);
}

void FinishUnfinishedChange(ProgramState& state) {
    if (!ChangeUnfinished(state) || !GameFound(state)) return;
    // The settings were written before the files, so they name what the change was to install.
    if (state.TerrainSet == 0) {
        RestoreDefaultTerrain(state);
        return;
    }
    GameFolderChange change(state, static_cast<unsigned>(state.TerrainSet));
    if (!change.Begun()) return;
    ApplyTerrainSet(state, static_cast<unsigned>(state.TerrainSet));
    ReinstallCurrentSeason(state);
}

void ReinstallCurrentSeason(ProgramState& state) {
    if (const auto season = state.InstalledSeason())
        InstallSeason(state, *season);
    else
        RestoreDefaultTerrain(state);
}

}  // namespace harbinet
