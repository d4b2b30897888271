// history: the last changes of the game folder, as the history keeps them.
#include <algorithm>
#include <cstdio>

#include "change/History.h"
#include "cli/Verbs.h"

namespace harbinet::cli {

int HistoryVerb(const Invocation& inv) {
    std::size_t count = 20;
    if (inv.args.size() > 1) return UsageError("history takes at most one number");
    if (inv.args.size() == 1) {
        const auto n = NumberArgument(inv.args[0], 1, 1000000);
        if (!n) return UsageError("history needs a number of lines from 1 to 1000000");
        count = *n;
    }
    // Reads only: allowed while the program runs.
    const std::vector<std::string> lines = ReadHistory(HistoryPath(FoldersOf(inv)));
    for (std::size_t i = lines.size() - std::min(count, lines.size()); i < lines.size(); ++i)
        std::printf("%s\n", lines[i].c_str());
    return 0;
}

}  // namespace harbinet::cli
