#include "shell/LoadSettings.h"

#include "platform/Files.h"
#include "shell/FirstInstallation.h"
#include "shell/Upgrade.h"

namespace harbinet {

void ReadMirroredSettings(FrameState& state, bool readMode) {
    namespace k = settings;
    const SettingsStore s = state.Settings();
    if (readMode) state.Mode = s.GetInt(k::kMode, k::kModeDefault);
    state.Terrain = s.GetInt(k::kTerrain, k::kTerrainDefault);
    state.TerrainSet = s.GetInt(k::kTerrainSet, k::kTerrainSetDefault);
    state.Timer = s.GetUnsigned(k::kSection, k::kTimer, k::kTimerDefault);
    state.ClickDefault = s.GetUnsigned(k::kSection, k::kClickDefault, k::kFlagDefault);
    state.LoadOnStart = s.GetUnsigned(k::kSection, k::kLoadOnStart, k::kFlagDefault);
    state.CopySkins = s.GetUnsigned(k::kSection, k::kCopySkins, k::kFlagDefault);
    state.LaunchAfter = s.GetUnsigned(k::kSection, k::kLaunchAfter, k::kFlagDefault);
}

void LoadSettings(FrameState& state) {
    const std::string game = files::ResolveName(state.GameFolder, settings::kGameExe);
    if (!files::FileExists(game)) state.Ui.ShowError(Format(text::kGameNotFound, game.c_str()));

    state.Mode = state.Settings().GetInt(settings::kMode, settings::kModeDefault);
    if (state.Mode == settings::kModeDefault) RunFirstInstallation(state, state.ExecutablePath);
    UpgradeSettings(state, state.ExecutablePath);

    ReadMirroredSettings(state, false);
}

}  // namespace harbinet
