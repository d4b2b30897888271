#include "program/TerrainSetSelection.h"

#include "program/Modes.h"
#include "program/Report.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainSets.h"

namespace harbinet {

void SelectTerrainSet(ProgramState& state, unsigned n) {
    const bool automatic = state.settings.Automatic();
    if (automatic) state.host.StopSeasonTimer();
    const ChangeResult result = RunChange(state, TerrainSetChange(state, n));
    ReportChange(state, result);
    if (automatic) StartSeasonTimer(state);
}

void ReinstallCurrentSeason(ProgramState& state) {
    if (const auto season = state.settings.InstalledSeason())
        ReportChange(state, InstallSeason(state, *season));
    else
        ReportChange(state, RestoreDefaultTerrain(state));
}

}  // namespace harbinet
