// originals: the player's files that changes kept in Harbinet's folder, and putting one back.
#include <cstdio>

#include "change/KeptFiles.h"
#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "program/Report.h"

namespace harbinet::cli {

int OriginalsVerb(const Invocation& inv) {
    const std::string sub = inv.args.empty() ? std::string() : inv.args[0];
    if (sub == "list" && inv.args.size() == 1) {
        // Reads only: allowed while the program runs.
        for (const KeptFile& file : ListKeptFiles(FoldersOf(inv)))
            std::printf("%s\n", EscapeForLine(file.listed).c_str());
        return 0;
    }
    if (sub == "restore" && inv.args.size() == 2)
        return RunAsProgram(inv, [&](ProgramState& state) {
            ReportChange(state, RestoreKeptFile(state, inv.args[1]));
        });
    return UsageError("originals needs list, or restore NAME as the list shows it");
}

}  // namespace harbinet::cli
