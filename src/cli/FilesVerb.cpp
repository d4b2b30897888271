// files FOLDER PATTERN: what the wildcard search finds, one name a line, in search order;
// control characters in names are escaped so that a line is always one name.
#include <cstdio>
#include <string>

#include "cli/Verbs.h"
#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::cli {

int FilesVerb(const Invocation& inv) {
    if (inv.args.size() != 2) return UsageError("files needs FOLDER PATTERN");
    std::string folder = inv.args[0];
    if (folder.empty()) return UsageError("files needs a folder");
    if (folder.back() != '/') folder += '/';
    if (!files::FolderExists(folder)) {
        std::fprintf(stderr, "harbinet-cli: no folder '%s'\n", EscapeForLine(inv.args[0]).c_str());
        return 1;
    }
    for (const auto& found : files::FindFiles(folder, inv.args[1]))
        std::printf("%s\n", EscapeForLine(found.name).c_str());
    return 0;
}

}  // namespace harbinet::cli
