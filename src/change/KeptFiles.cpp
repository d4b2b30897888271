#include "change/KeptFiles.h"

#include <functional>

#include "model/Names.h"

namespace harbinet {

namespace {

std::string KeptRoot(const Folders& folders) {
    return folders.OwnFolder + "Originals/";
}

}  // namespace

std::vector<KeptFile> ListKeptFiles(const Folders& folders) {
    std::vector<KeptFile> kept;
    const std::string root = KeptRoot(folders);
    std::function<void(const std::string&, const std::string&, int)> walk =
        [&](const std::string& folder, const std::string& relative, int depth) {
            for (const auto& found : files::FindFiles(folder, "*")) {
                if (found.folder) {
                    if (depth > 0) walk(found.path + "/", relative + found.name + "/", depth - 1);
                } else if (relative.find('/') != std::string::npos) {
                    const std::string listed = relative + found.name;
                    kept.push_back({listed, listed.substr(listed.find('/') + 1), found.path});
                }
            }
        };
    // The change folders' names are their times, so name order is time order.
    walk(root, "", 8);
    return kept;
}

ChangeResult RestoreKeptFile(ProgramState& state, const std::string& listed) {
    return RunChange(state, "originals restore", [&](Planner& plan) {
        // Only a name the list gives: nothing outside the kept files is taken, nothing outside
        // the game folder is written.
        for (const KeptFile& file : ListKeptFiles(state)) {
            if (file.listed != listed) continue;
            if (!IsUsableName(file.path)) break;
            return plan.Move(file.stored, state.GameFolder + file.path, true);
        }
        plan.Refuse(Format(text::kNoKeptFile, listed.c_str()));
    });
}

}  // namespace harbinet
