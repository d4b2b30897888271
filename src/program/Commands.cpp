#include "program/Commands.h"

#include "launch/ExternalApps.h"
#include "launch/GameLauncher.h"
#include "program/Modes.h"
#include "program/Report.h"
#include "program/TerrainSetSelection.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

namespace {
constexpr int kFirstSeason = 110;
constexpr int kFirstExternalApp = 225;
constexpr int kFirstTerrainSet = 250;
}  // namespace

int cmd::Season(harbinet::Season season) {
    return kFirstSeason + Stored(season) - 1;
}

int cmd::ExternalApp(unsigned slot) {
    return kFirstExternalApp + static_cast<int>(slot) - 1;
}

int cmd::TerrainSet(unsigned n) {
    return kFirstTerrainSet + static_cast<int>(n) - 1;
}

std::optional<Command> DecodeCommand(int id) {
    using K = Command::Kind;
    switch (id) {
        case cmd::kClose:
            return Command{K::Close};
        case cmd::kAbout:
            return Command{K::About};
        case cmd::kLaunchGame:
            return Command{K::LaunchGame};
        case cmd::kDefaultTerrain:
            return Command{K::DefaultTerrain};
        case cmd::kAutomaticMode:
            return Command{K::AutomaticMode};
        case cmd::kManualMode:
            return Command{K::ManualMode};
        case cmd::kRefreshSeason:
            return Command{K::RefreshSeason};
        case cmd::kSetActiveCareer:
            return Command{K::SetActiveCareer};
        case cmd::kConfigure:
            return Command{K::Configure};
        case cmd::kConfigureTerrainSets:
            return Command{K::ConfigureTerrainSets};
        case cmd::kConfigureExternalApps:
            return Command{K::ConfigureExternalApps};
        case cmd::kConfigureSkins:
            return Command{K::ConfigureSkins};
        case cmd::kTerrainSkins:
            return Command{K::TerrainSkins};
        default:
            break;
    }
    if (const auto season = SeasonFromStored(id - kFirstSeason + 1))
        return Command{K::InstallSeason, *season};
    const auto numbered = [id](int first, unsigned count) {
        return id >= first && id < first + static_cast<int>(count)
                   ? static_cast<unsigned>(id - first + 1)
                   : 0u;
    };
    if (const unsigned slot = numbered(kFirstExternalApp, settings::kMaxExternalApps))
        return Command{K::LaunchApp, Season::Spring, slot};
    if (const unsigned set = numbered(kFirstTerrainSet, settings::kMaxTerrainSets))
        return Command{K::SelectTerrainSet, Season::Spring, set};
    return std::nullopt;
}

bool RunCommand(ProgramState& state, const Command& command) {
    using K = Command::Kind;
    switch (command.kind) {
        case K::LaunchGame:
            Report(state, LaunchGame(state));
            break;
        case K::DefaultTerrain:
            ReportChange(state, RestoreDefaultTerrain(state));
            break;
        case K::InstallSeason:
            ReportChange(state, InstallSeason(state, command.season));
            break;
        case K::AutomaticMode:
            SwitchToAutomaticMode(state);
            break;
        case K::ManualMode:
            SwitchToManualMode(state);
            break;
        case K::RefreshSeason:
            RefreshSeasonNow(state);
            break;
        case K::LaunchApp:
            Report(state, LaunchExternalApp(state, command.number));
            break;
        case K::SelectTerrainSet:
            SelectTerrainSet(state, command.number);
            break;
        default:
            return false;
    }
    return true;
}

}  // namespace harbinet
