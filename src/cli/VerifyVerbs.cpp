// verify, repair: the game folder compared with what the settings say is installed, and made so.
#include <cstdio>

#include "change/PlanListing.h"
#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "program/Report.h"
#include "terrain/TerrainSets.h"

namespace harbinet::cli {

int VerifyVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("verify takes no arguments");
    ProgramContext program(inv);
    Plan plan;
    if (!program.PlanOnly(InstalledChange, plan)) return 1;
    const std::vector<std::string> differences = Differences(plan, program.State());
    for (const std::string& line : differences) std::printf("%s\n", line.c_str());
    return differences.empty() ? program.ExitStatus() : 1;
}

int RepairVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("repair takes no arguments");
    return RunAsProgram(inv, [](ProgramState& state) {
        Plan ran;
        ReportChange(state, RunChange(state, InstalledChange(state), &ran));
        std::fputs(PlanLines(ran, state).c_str(), stdout);
    });
}

}  // namespace harbinet::cli
