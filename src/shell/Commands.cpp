#include "shell/Commands.h"

#include "shell/FrameState.h"
#include "shell/Modes.h"
#include "terrain/SeasonSwitching.h"
#include "terrain/TerrainSetSelection.h"

namespace harbinet {

bool RunCoreCommand(FrameState& state, int command) {
    if (command == cmd::kDefaultTerrain) {
        RestoreDefaultTerrain(state);
    } else if (command >= cmd::kSpring && command <= cmd::kWinter) {
        InstallSeason(state, command - cmd::kDefaultTerrain);
    } else if (command == cmd::kAutomaticMode) {
        SwitchToAutomaticMode(state);
    } else if (command == cmd::kManualMode) {
        SwitchToManualMode(state);
    } else if (command == cmd::kRefreshSeason) {
        RefreshSeasonNow(state);
    } else if (command >= cmd::kFirstTerrainSet && command <= cmd::kLastTerrainSet) {
        SelectTerrainSet(state, command - (cmd::kFirstTerrainSet - 1));
    } else {
        return false;
    }
    return true;
}

}  // namespace harbinet
