// history: the last changes of the game folder, as the history keeps them.
#include <algorithm>
#include <cstdio>

#include "change/History.h"
#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "platform/Files.h"

namespace harbinet::cli {

int HistoryVerb(const Invocation& inv) {
    std::size_t count = 20;
    if (inv.args.size() > 1) return UsageError("history takes at most one number");
    if (inv.args.size() == 1) {
        const auto n = NumberArgument(inv.args[0], 1, 1000000);
        if (!n) return UsageError("history needs a number of lines from 1 to 1000000");
        count = *n;
    }
    // Reads only: allowed while the program runs, but not while a change is writing.
    ProgramContext program(inv);
    const ChangeLockHold idle(program.State(), std::chrono::milliseconds(0));
    if (!idle.Held()) {
        std::fprintf(stderr, "harbinet-cli: %s\n", text::kChangeUnderWay);
        return 1;
    }
    const std::string path = HistoryPath(program.State());
    if (std::string text; files::Stamp(path).type != files::FileStamp::Type::Missing &&
                          !files::ReadWholeFile(path, text, kHistoryReadLimit)) {
        std::fprintf(stderr, "harbinet-cli: the history %s cannot be read\n", path.c_str());
        return 1;
    }
    // Damaged lines are left out.
    const std::vector<std::string> lines = ReadHistory(path);
    for (std::size_t i = lines.size() - std::min(count, lines.size()); i < lines.size(); ++i)
        std::printf("%s\n", lines[i].c_str());
    return 0;
}

}  // namespace harbinet::cli
