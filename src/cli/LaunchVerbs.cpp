// launch, launch-app N: start the game or an external application as the tray menu does.
#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "launch/ExternalApps.h"
#include "launch/GameLauncher.h"
#include "program/Report.h"

namespace harbinet::cli {

int LaunchVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("launch takes no arguments");
    ProgramContext program(inv);
    program.LoadSettings();
    Report(program.State(), LaunchGame(program.State()));
    return program.ExitStatus();
}

int LaunchAppVerb(const Invocation& inv) {
    if (inv.args.size() != 1) return UsageError("launch-app needs a slot number");
    const auto number = NumberArgument(inv.args[0], 1, settings::kMaxExternalApps);
    if (!number) return UsageError("launch-app: the slot is a number from 1 to 25");
    const unsigned slot = *number;
    ProgramContext program(inv);
    program.LoadSettings();
    Report(program.State(), LaunchExternalApp(program.State(), slot));
    return program.ExitStatus();
}

}  // namespace harbinet::cli
