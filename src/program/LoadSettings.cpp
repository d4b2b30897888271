#include "program/LoadSettings.h"

#include <functional>

#include "install/FirstInstallation.h"
#include "install/Upgrade.h"
#include "program/Report.h"

namespace harbinet {

namespace {

// Every mirror but "Mode", which start-up reads before installing and not again.
void ReadMirroredSettings(ProgramState& state) {
    using settings::Key;
    const SettingsStore s = state.Settings();
    state.Terrain = s.GetInt(Key::Terrain);
    state.TerrainSet = s.GetInt(Key::TerrainSet);
    state.Timer = s.GetUnsigned(Key::Timer);
    state.ClickDefault = s.GetFlag(Key::ClickDefault);
    state.LoadOnStart = s.GetFlag(Key::LoadOnStart);
    state.CopySkins = s.GetFlag(Key::CopySkins);
    state.LaunchAfter = s.GetFlag(Key::LaunchAfter);
}

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

}  // namespace

void LoadSettings(ProgramState& state, StartedBy startedBy) {
    const std::string game = files::ResolveName(state.GameFolder, settings::kGameExe);
    if (!files::FileExists(game)) {
        state.host.ShowError(Format(text::kGameNotFound, game.c_str()));
        ReadSettings(state);
        return;
    }
    RemoveStaleTemporaries(state);
    ReportChange(state, ResumeChange(state, startedBy == StartedBy::Program));

    // The upgrade's default terrain needs "CopySkins" as the older settings have it.
    ReadSettings(state);
    if (state.Mode == OperatingMode::NotInstalled) RunFirstInstallation(state);
    // An installation that could not run is tried again at the next start, not upgraded.
    if (state.Mode != OperatingMode::NotInstalled) UpgradeSettings(state);
    ReadMirroredSettings(state);
}

void ReadSettings(ProgramState& state) {
    state.Mode = state.Settings().GetMode();
    ReadMirroredSettings(state);
}

}  // namespace harbinet
