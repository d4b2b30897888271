// Verbs over the season work of the program: the season and terrain set commands, the modes,
// the active-career check and the career list.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "careers/ActiveCareer.h"
#include "careers/CareerRecord.h"
#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "platform/desktop/Processes.h"
#include "program/CareerCheck.h"
#include "program/Modes.h"
#include "program/Report.h"
#include "terrain/SeasonInstall.h"

namespace harbinet::cli {
namespace {

// The active career as the information panel shows it, when one was acted on.
void PrintActiveCareer(const ProgramState& state) {
    if (!state.LastCareerPath.empty())
        std::printf("%s  %s\n", EscapeForLine(state.CareerDate).c_str(),
                    EscapeForLine(state.CareerName).c_str());
}

// Runs one career check as the program would and prints the career it acted on.
int RunCareerCheck(const Invocation& inv, const char* usage, void (*check)(ProgramState&)) {
    if (!inv.args.empty()) return UsageError(usage);
    return RunAsProgram(inv, [check](ProgramState& state) {
        check(state);
        PrintActiveCareer(state);
    });
}

}  // namespace

int SeasonVerb(const Invocation& given) {
    Invocation inv = given;
    const bool dryRun = TakeDryRun(inv.args);
    const std::string word = inv.args.size() == 1 ? inv.args[0] : std::string();
    if (word == "default") {
        if (dryRun) return ShowPlan(inv, DefaultTerrainChange);
        return RunAsProgram(
            inv, [](ProgramState& state) { ReportChange(state, RestoreDefaultTerrain(state)); });
    }
    for (Season season : kSeasons) {
        if (word != LowerAscii(SeasonName(season))) continue;
        const auto warn = [](const ProgramState& state) {
            if (state.settings.ActiveSet() == 0)
                std::fprintf(stderr,
                             "harbinet-cli: the game's default terrain is selected; choose a "
                             "terrain set first (set N)\n");
        };
        if (dryRun)
            return ShowPlan(inv, [&](ProgramState& state) {
                warn(state);
                return SeasonChange(state, season);
            });
        return RunAsProgram(inv, [&](ProgramState& state) {
            warn(state);
            ReportChange(state, InstallSeason(state, season));
        });
    }
    return UsageError("season needs one of spring, summer, autumn, winter, default [--dry-run]");
}

int ModeVerb(const Invocation& inv) {
    const std::string word = inv.args.size() == 1 ? inv.args[0] : std::string();
    if (word == "automatic") return RunAsProgram(inv, SwitchToAutomaticMode);
    if (word == "manual") return RunAsProgram(inv, SwitchToManualMode);
    return UsageError("mode needs automatic or manual");
}

// "refresh -- COMMAND ARGS...", a game launcher's hook: the terrain is made right, then the
// command runs in our place whatever became of the refresh, so that the game always starts.
int RefreshVerb(const Invocation& inv) {
    const char* usage = "refresh takes no arguments, --dry-run, or -- COMMAND [ARGS...]";
    if (inv.args.empty()) return RunCareerCheck(inv, usage, RefreshSeasonNow);
    if (inv.args.size() == 1 && inv.args[0] == "--dry-run")
        return ShowPlan(inv, [](ProgramState& state) {
            const auto season = NewestCareerSeason(state);
            return season ? SeasonChange(state, *season) : ChangeSpec{"refresh", [](Planner&) {}};
        });
    if (inv.args[0] != "--" || inv.args.size() < 2) return UsageError(usage);
    if (inv.folder.empty()) {
        std::fprintf(stderr, "harbinet-cli: %s\n", kNoFolderKnown);
    } else {
        ProgramContext program(inv);
        if (program.ProgramRuns()) {
            std::fprintf(stderr,
                         "harbinet-cli: Harbinet is running and keeps the terrain; no "
                         "refresh needed\n");
        } else if (!program.RefuseWhileRunning()) {
            program.LoadSettings();
            RefreshSeasonNow(program.State());
        }
    }
    const std::vector<std::string> command(inv.args.begin() + 1, inv.args.end());
    const int error = desktop::ReplaceProcess(command);
    std::fprintf(stderr, "harbinet-cli: cannot run %s: %s\n", command[0].c_str(),
                 std::strerror(error));
    return error == ENOENT ? 127 : 126;
}

int CheckVerb(const Invocation& inv) {
    return RunCareerCheck(inv, "check takes no arguments", SeasonTimerTick);
}

// Reads only: allowed while the program runs.
int CareersVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("careers takes no arguments");
    CliHost host(inv.yes);
    const Folders folders = FoldersOf(inv);
    const auto careers = ListCareerFiles(folders.GameFolder);
    const CareerFile* newest = NewestCareer(careers);
    for (const auto& career : careers) {
        CareerRecord record;  // a save that cannot be read is listed with empty fields
        ReadCareerOrReport(record, career.path, host);
        std::printf("%s %s\n", &career == newest ? "*" : " ",
                    EscapeForLine(CareerLineText(record)).c_str());
    }
    return host.errorShown ? 1 : 0;
}

}  // namespace harbinet::cli
