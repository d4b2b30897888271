#include "terrain/SeasonSwitching.h"

#include <string_view>

#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

// Walks a pattern list with one engine operation. An empty list changes nothing; when the
// caller names it, the user is told that the list is unusable.
void WalkList(FrameState& state, std::string_view key, const char* reportAs,
              const std::function<void(std::string_view)>& action) {
    const std::string list = state.Settings().GetText(key);
    if (list.empty() && reportAs) state.Ui.ShowError(Format(text::kBadFileTypes, reportAs));
    terrain::ForEachPattern(list, action);
}

void CopyList(FrameState& state, std::string_view key, const char* reportAs,
              const std::string& source) {
    WalkList(state, key, reportAs, [&](std::string_view pattern) {
        terrain::CopyMatchingFiles(source, state.GameFolder, pattern);
    });
}

void DeleteList(FrameState& state, std::string_view key, const char* reportAs) {
    WalkList(state, key, reportAs, [&](std::string_view pattern) {
        terrain::DeleteMatchingFiles(state.GameFolder, pattern);
    });
}

}  // namespace

std::string SeasonFolder(std::int32_t season) {
    switch (season) {
        case kSpring:
            return "Spring/";
        case kSummer:
            return "Summer/";
        case kAutumn:
            return "Autumn/";
        case kWinter:
            return "Winter/";
        default:
            return {};
    }
}

void InstallSeason(FrameState& state, std::int32_t season) {
    if (state.TerrainSet == 0) return;
    state.Ui.UpdateTrayIcon(true);

    const SettingsStore store = state.Settings();
    state.Terrain = season;
    store.SetInt(settings::kTerrain, season);

    const auto set = static_cast<unsigned>(state.TerrainSet);
    const std::string name = store.TerrainSetName(set);
    // A set without seasons installs its one terrain whichever season is asked for.
    const std::string sub =
        name + "/" + (store.TerrainSetHasSeasons(set) ? SeasonFolder(season) : "");

    CopyList(state, settings::kTerrainFiles, "Terrain", state.TerrainFolder + sub);
    if (state.CopySkins != 0)
        CopyList(state, settings::kSkinFiles, "Skins", state.SkinsFolder + sub);

    state.Ui.UpdateTrayIcon(false);
}

void RestoreDefaultTerrain(FrameState& state) {
    state.Ui.UpdateTrayIcon(true);

    state.TerrainSet = 0;
    state.Settings().SetInt(settings::kTerrainSet, 0);

    // Common files are optional, so an empty list of them is no fault (and matches nothing).
    DeleteList(state, settings::kCommonFiles, nullptr);
    DeleteList(state, settings::kTerrainFiles, "Terrain");
    if (state.CopySkins != 0) DeleteList(state, settings::kSkinFiles, "Skins");

    state.Ui.UpdateTrayIcon(false);
}

}  // namespace harbinet
