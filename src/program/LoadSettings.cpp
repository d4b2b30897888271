#include "program/LoadSettings.h"

#include <functional>

#include "install/FirstInstallation.h"
#include "install/Upgrade.h"
#include "program/Report.h"

namespace harbinet {

namespace {

// What copies and writes cut short by a kill left behind: in the game folder, the program's
// own, and the stores with their set and season folders.
void RemoveStaleTemporaries(const Folders& folders) {
    files::RemoveStaleTemporaryFiles(folders.GameFolder);
    files::RemoveStaleTemporaryFiles(folders.OwnFolder);
    std::function<void(const std::string&, int)> walk = [&](const std::string& folder, int depth) {
        files::RemoveStaleTemporaryFiles(folder);
        if (depth == 0) return;
        for (const auto& found : files::FindFiles(folder, "*"))
            if (found.folder) walk(found.path + "/", depth - 1);
    };
    for (const std::string* store : {&folders.TerrainFolder, &folders.SkinsFolder,
                                     &folders.CommonFolder, &folders.SkinCatalogueFolder})
        walk(*store, 2);
}

// The question is asked before anything changes: the journal holds the answer should the change
// be cut short.
void Install(ProgramState& state) {
    const bool extraSets =
        state.host.AskYesNo(text::kCaptionInstall, text::kAddTerrainSetsQuestion);
    ReportChange(state, RunFirstInstallation(state, extraSets));
}

}  // namespace

void LoadSettings(ProgramState& state, StartedBy startedBy) {
    const std::string game = files::ResolveName(state.GameFolder, settings::kGameExe);
    if (!files::FileExists(game)) {
        state.host.ShowError(Format(text::kGameNotFound, game.c_str()));
        state.settings.Reload();
        return;
    }
    RemoveStaleTemporaries(state);
    const OriginScope startUp(state, ChangeOrigin::StartUp);
    ReportChange(state, ResumeChange(state, startedBy == StartedBy::Program));

    state.settings.Reload();
    if (state.settings.Mode() == OperatingMode::NotInstalled) {
        Install(state);
        // An installation that could not run is tried again at the next start, not upgraded.
        return;
    }
    switch (UpgradeNeeded(state.settings)) {
        case UpgradeKind::None:
            return;
        case UpgradeKind::Reinstall: {
            std::string backup;
            const Result discarded = DiscardOldSettings(state, backup);
            if (!backup.empty())
                state.host.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade,
                                       Format(text::kSettingsBackedUp, backup.c_str()));
            if (!Report(state, discarded)) return;
            Install(state);
            return;
        }
        case UpgradeKind::Steps: {
            const ChangeResult result = UpgradeSettings(state);
            ReportChange(state, result);
            if (!result.refused)
                state.host.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade,
                                       text::kUpgraded);
            return;
        }
    }
}

}  // namespace harbinet
