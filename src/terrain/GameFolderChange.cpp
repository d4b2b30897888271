#include "terrain/GameFolderChange.h"

#include "model/Names.h"

namespace harbinet {

namespace {

std::string MarkPath(const Folders& folders) {
    return folders.OwnFolder + ".harbinet-change";
}

}  // namespace

bool GameFound(const Folders& folders) {
    return files::FileExists(files::ResolveName(folders.GameFolder, settings::kGameExe));
}

bool ChangeUnfinished(const Folders& folders) {
    return files::FileExists(MarkPath(folders));
}

GameFolderChange::GameFolderChange(ProgramState& state, unsigned set) : state_(state) {
    if (state_.changeDepth > 0) {
        ++state_.changeDepth;
        begun_ = true;
        return;
    }
    if (!GameFound(state_)) {
        const std::string game = files::ResolveName(state_.GameFolder, settings::kGameExe);
        state_.host.ShowError(Format(text::kGameNotFound, game.c_str()));
        return;
    }
    if (set != 0) {
        const std::string name = state_.Settings().TerrainSetName(set);
        if (!IsUsableName(name)) {
            state_.host.ShowError(Format(text::kUnusableSetName, name.c_str()));
            return;
        }
    }
    if (!Wrote(files::WriteFileAtomic(MarkPath(state_), ""), MarkPath(state_))) return;
    state_.changeDepth = 1;
    state_.changeFailed = false;
    state_.host.UpdateTrayIcon(true);
    begun_ = true;
}

GameFolderChange::~GameFolderChange() {
    if (!begun_ || --state_.changeDepth > 0) return;
    if (!state_.changeFailed) files::DeleteFile(MarkPath(state_));
    state_.host.UpdateTrayIcon(false);
}

bool GameFolderChange::Wrote(bool written, const std::string& path) {
    if (written) return true;
    state_.host.ShowError(Format(text::kUnableToWrite, path.c_str()));
    state_.changeFailed = true;
    return false;
}

void GameFolderChange::NotCopied(const std::vector<std::string>& sources) {
    if (sources.empty()) return;
    std::string message = Format(text::kFilesNotCopied, state_.GameFolder.c_str());
    for (const std::string& source : sources) message += "\n" + source;
    state_.host.ShowError(message);
    state_.changeFailed = true;
}

}  // namespace harbinet
