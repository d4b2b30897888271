#include "program/LoadSettings.h"

#include "install/FirstInstallation.h"
#include "install/Upgrade.h"

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

}  // namespace

void LoadSettings(ProgramState& state) {
    const std::string game = files::ResolveName(state.GameFolder, settings::kGameExe);
    if (!files::FileExists(game)) state.host.ShowError(Format(text::kGameNotFound, game.c_str()));

    state.Mode = state.Settings().GetMode();
    if (state.Mode == OperatingMode::NotInstalled) RunFirstInstallation(state);
    UpgradeSettings(state);

    ReadMirroredSettings(state);
}

}  // namespace harbinet
