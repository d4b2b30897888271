#include "terrain/SeasonInstall.h"

#include "terrain/TerrainEngine.h"
#include "terrain/TerrainSets.h"

namespace harbinet {

namespace {

using settings::Key;

// An empty list changes nothing; when the caller names it, the user is told it is unusable.
void WalkList(ProgramState& state, const std::string& list, const char* reportAs,
              const std::function<void(std::string_view)>& action) {
    if (list.empty() && reportAs) state.host.ShowError(Format(text::kBadFileTypes, reportAs));
    terrain::ForEachPattern(list, action);
}

void CopyList(ProgramState& state, const std::string& list, const char* reportAs,
              const std::string& source) {
    WalkList(state, list, reportAs, [&](std::string_view pattern) {
        terrain::CopyMatchingFiles(source, state.GameFolder, pattern);
    });
}

void DeleteList(ProgramState& state, const std::string& list, const char* reportAs) {
    WalkList(state, list, reportAs, [&](std::string_view pattern) {
        terrain::DeleteMatchingFiles(state.GameFolder, pattern);
    });
}

}  // namespace

PatternLists PatternLists::Read(const SettingsStore& store) {
    return {store.GetText(Key::TerrainFiles), store.GetText(Key::SkinFiles),
            store.GetText(Key::CommonFiles)};
}

PatternLists PatternLists::Installed() {
    return {std::string(*settings::Info(Key::TerrainFiles).installed),
            std::string(*settings::Info(Key::SkinFiles).installed),
            std::string(*settings::Info(Key::CommonFiles).installed)};
}

std::string SetStoreFolder(const std::string& store, const std::string& name, bool hasSeasons,
                           Season season) {
    std::string folder = store + name + "/";
    if (hasSeasons) folder += std::string(SeasonName(season)) + "/";
    return folder;
}

void InstallSeason(ProgramState& state, Season season) {
    if (state.TerrainSet == 0) return;
    state.host.UpdateTrayIcon(true);

    const SettingsStore store = state.Settings();
    state.Terrain = Stored(season);
    store.SetInt(Key::Terrain, state.Terrain);

    const auto set = static_cast<unsigned>(state.TerrainSet);
    const std::string name = store.TerrainSetName(set);
    // A set without seasons installs its one terrain whichever season is asked for.
    const bool seasons = store.TerrainSetHasSeasons(set);
    const PatternLists lists = PatternLists::Read(store);

    CopyList(state, lists.terrain, "Terrain",
             SetStoreFolder(state.TerrainFolder, name, seasons, season));
    if (state.CopySkins)
        CopyList(state, lists.skins, "Skins",
                 SetStoreFolder(state.SkinsFolder, name, seasons, season));

    state.host.UpdateTrayIcon(false);
}

void RestoreDefaultTerrain(ProgramState& state) {
    state.host.UpdateTrayIcon(true);
    state.TerrainSet = 0;
    state.Settings().SetInt(Key::TerrainSet, 0);
    RemoveInstalledFiles(state, PatternLists::Read(state.Settings()));
    // The low detail of a theatre like the Pacific must not outlive it.
    RestoreObjectDetail(state);
    state.host.UpdateTrayIcon(false);
}

void RemoveInstalledFiles(ProgramState& state, const PatternLists& lists) {
    // Common files are optional, so an empty list of them is no fault (and matches nothing).
    DeleteList(state, lists.common, nullptr);
    DeleteList(state, lists.terrain, "Terrain");
    if (state.CopySkins) DeleteList(state, lists.skins, "Skins");
}

}  // namespace harbinet
