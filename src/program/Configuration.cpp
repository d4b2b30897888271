#include "program/Configuration.h"

#include <cstring>

#include "install/Autostart.h"
#include "platform/DesktopIntegration.h"
#include "program/Report.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

Configuration ReadConfiguration(const ProgramState& state) {
    const Settings& s = state.settings;
    Configuration options;
    options.clickDefault = s.Get(settings::kClickDefault);
    options.loadOnStart = s.Get(settings::kLoadOnStart);
    options.copySkins = s.Get(settings::kCopySkins);
    options.launchAfter = s.Get(settings::kLaunchAfter);
    const std::int32_t detail = s.Get(settings::kSavedObjectDetail);
    if (detail >= 0 && detail <= 2) options.objectDetail = static_cast<unsigned>(detail);
    options.terrainFiles = s.Get(settings::kTerrainFiles);
    options.skinFiles = s.Get(settings::kSkinFiles);
    options.commonFiles = s.Get(settings::kCommonFiles);
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
    std::vector<settings::Value> values = {
        settings::Of(settings::kClickDefault, options.clickDefault)};
    const bool registered = Report(state, SetStartWithDesktop(state, options.loadOnStart));
    if (registered) values.push_back(settings::Of(settings::kLoadOnStart, options.loadOnStart));
    values.push_back(settings::Of(settings::kCopySkins, options.copySkins));
    values.push_back(settings::Of(settings::kLaunchAfter, options.launchAfter));
    if (options.objectDetail)
        values.push_back(settings::Of(settings::kSavedObjectDetail,
                                      static_cast<std::int32_t>(*options.objectDetail)));
    values.push_back(settings::Of(settings::kTerrainFiles, options.terrainFiles));
    values.push_back(settings::Of(settings::kSkinFiles, options.skinFiles));
    values.push_back(settings::Of(settings::kCommonFiles, options.commonFiles));
    return Report(state, state.settings.Write(values)) && registered;
}

}  // namespace harbinet
