// Verbs over the season work of the program: the season and terrain set commands, the modes,
// the active-career check and the career list.
#include <cstdio>
#include <string>

#include "careers/ActiveCareer.h"
#include "careers/CareerRecord.h"
#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "shell/Commands.h"
#include "shell/Modes.h"

namespace harbinet::cli {
namespace {

// Runs one of the program's commands, then what it posted. Nothing changes while the program
// itself runs.
int RunAsProgram(const Invocation& inv, int command) {
    ProgramContext program(inv);
    if (program.RefuseWhileRunning()) return 1;
    program.LoadSettings();
    FrameState& state = program.State();
    const bool seasonCommand = command >= cmd::kSpring && command <= cmd::kWinter;
    if (seasonCommand && state.TerrainSet == 0) {
        std::fprintf(stderr,
                     "harbinet-cli: the game's default terrain is selected; choose a terrain set "
                     "first (set N)\n");
    }
    RunCoreCommand(state, command);
    program.RunPosted();
    return program.ExitStatus();
}

int SeasonVerb(const Invocation& inv) {
    static const char* const kNames[] = {"default", "spring", "summer", "autumn", "winter"};
    if (inv.args.size() == 1) {
        for (int i = 0; i < 5; ++i) {
            if (inv.args[0] == kNames[i]) return RunAsProgram(inv, cmd::kDefaultTerrain + i);
        }
    }
    return UsageError("season needs one of spring, summer, autumn, winter, default");
}

int SetVerb(const Invocation& inv) {
    const std::string n = inv.args.size() == 1 ? inv.args[0] : std::string();
    const bool digits = !n.empty() && n.size() <= 2 && n.find_first_not_of("0123456789") == n.npos;
    const int set = digits ? std::stoi(n) : 0;
    if (set < 1 || set > static_cast<int>(settings::kMaxTerrainSets))
        return UsageError("set needs a terrain set number from 1 to 25");
    return RunAsProgram(inv, cmd::kFirstTerrainSet - 1 + set);
}

int ModeVerb(const Invocation& inv) {
    if (inv.args.size() == 1 && inv.args[0] == "automatic")
        return RunAsProgram(inv, cmd::kAutomaticMode);
    if (inv.args.size() == 1 && inv.args[0] == "manual") return RunAsProgram(inv, cmd::kManualMode);
    return UsageError("mode needs automatic or manual");
}

// The active career as the information panel shows it, when one was acted on.
void PrintActiveCareer(const FrameState& state) {
    if (!state.LastCareerPath.empty())
        std::printf("%s  %s\n", state.CareerDate.c_str(), state.CareerName.c_str());
}

// Runs one career check as the program would and prints the career it acted on.
int RunCareerCheck(const Invocation& inv, const char* usage, void (*check)(FrameState&)) {
    if (!inv.args.empty()) return UsageError(usage);
    ProgramContext program(inv);
    if (program.RefuseWhileRunning()) return 1;
    program.LoadSettings();
    check(program.State());
    program.RunPosted();
    PrintActiveCareer(program.State());
    return program.ExitStatus();
}

int RefreshVerb(const Invocation& inv) {
    return RunCareerCheck(inv, "refresh takes no arguments", RefreshSeasonNow);
}

int CheckVerb(const Invocation& inv) {
    return RunCareerCheck(inv, "check takes no arguments", SeasonTimerTick);
}

// Reads only: allowed while the program runs.
int CareersVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("careers takes no arguments");
    CliServices ui(inv.yes);
    const Folders folders = Folders::FromExecutable(inv.folder + "harbinet");
    const auto careers = ListCareerFiles(folders.GameFolder);
    const CareerFile* newest = NewestCareer(careers);
    for (const auto& career : careers) {
        CareerRecord record;  // a save that cannot be read is listed with empty fields
        record.ReadCareerFile(career.path, ui);
        std::printf("%s %s\n", &career == newest ? "*" : " ", CareerLineText(record).c_str());
    }
    return ui.errorShown ? 1 : 0;
}

const VerbRegistration kSeason("season", SeasonVerb, "season spring|summer|autumn|winter|default");
const VerbRegistration kSet("set", SetVerb, "set N");
const VerbRegistration kMode("mode", ModeVerb, "mode automatic|manual");
const VerbRegistration kRefresh("refresh", RefreshVerb, "refresh");
const VerbRegistration kCheck("check", CheckVerb, "check");
const VerbRegistration kCareers("careers", CareersVerb, "careers");

}  // namespace
}  // namespace harbinet::cli
