#include "program/Configuration.h"

#include <cstring>

#include "install/Autostart.h"
#include "platform/DesktopIntegration.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

using settings::Key;

Configuration ReadConfiguration(const ProgramState& state) {
    const SettingsStore store = state.Settings();
    Configuration options;
    options.clickDefault = state.ClickDefault;
    options.loadOnStart = state.LoadOnStart;
    options.copySkins = state.CopySkins;
    options.launchAfter = state.LaunchAfter;
    const std::int32_t detail = store.GetInt(Key::SavedObjectDetail);
    if (detail >= 0 && detail <= 2) options.objectDetail = static_cast<unsigned>(detail);
    options.terrainFiles = store.GetText(Key::TerrainFiles);
    options.skinFiles = store.GetText(Key::SkinFiles);
    options.commonFiles = store.GetText(Key::CommonFiles);
    return options;
}

std::optional<std::string> RefusedPatternList(const Configuration& options) {
    // A list that would take every file of the game folder is refused as well.
    const auto faulty = [](const std::string& list) {
        return (!list.empty() && list.back() == ',') || terrain::TakesEveryFile(list);
    };
    if (options.terrainFiles.empty() || faulty(options.terrainFiles)) return text::kTerrainListName;
    if (options.skinFiles.empty() || faulty(options.skinFiles)) return text::kSkinsListName;
    if (faulty(options.commonFiles)) return text::kCommonListName;
    return std::nullopt;
}

std::string RefusedPatternListText(const std::string& list) {
    return Format(text::kBadFileTypes, list.c_str());
}

bool ApplyConfiguration(ProgramState& state, const Configuration& options) {
    const SettingsStore store = state.Settings();
    bool written = true;
    const auto set = [&](Key key, std::string_view value) {
        const bool ok = store.Set(key, value);
        written = written && ok;
        return ok;
    };
    const auto setFlag = [&](Key key, bool value, bool& mirror) {
        if (set(key, value ? "1" : "0")) mirror = value;
    };

    setFlag(Key::ClickDefault, options.clickDefault, state.ClickDefault);
    bool registered = true;
    if (const int error = SetStartWithDesktop(state, options.loadOnStart); error != 0) {
        state.host.ShowError(Format(text::kAutostartFailed,
                                    desktop::StartWithDesktopPlace().c_str(),
                                    std::strerror(error)));
        registered = false;
    } else {
        setFlag(Key::LoadOnStart, options.loadOnStart, state.LoadOnStart);
    }
    setFlag(Key::CopySkins, options.copySkins, state.CopySkins);
    setFlag(Key::LaunchAfter, options.launchAfter, state.LaunchAfter);
    if (options.objectDetail) set(Key::SavedObjectDetail, std::to_string(*options.objectDetail));
    set(Key::TerrainFiles, options.terrainFiles);
    set(Key::SkinFiles, options.skinFiles);
    set(Key::CommonFiles, options.commonFiles);

    if (!written) state.host.ShowError(Format(text::kUnableToWrite, state.SettingsPath.c_str()));
    return written && registered;
}

}  // namespace harbinet
