#include "terrain/SeasonInstall.h"

#include "terrain/GameFolderChange.h"
#include "terrain/TerrainEngine.h"
#include "terrain/TerrainSets.h"

namespace harbinet {

namespace {

using settings::Key;

// An empty list changes nothing; when the caller names it, the user is told it is unusable.
void CheckList(ProgramState& state, const std::string& list, const char* reportAs) {
    if (list.empty() && reportAs) state.host.ShowError(Format(text::kBadFileTypes, reportAs));
}

void CopyList(ProgramState& state, const std::string& list, const char* reportAs,
              const std::string& source, std::vector<std::string>& failed) {
    CheckList(state, list, reportAs);
    const auto notCopied = terrain::CopyMatchingList(source, state.GameFolder, list);
    failed.insert(failed.end(), notCopied.begin(), notCopied.end());
}

void DeleteList(ProgramState& state, const std::string& list, const char* reportAs) {
    CheckList(state, list, reportAs);
    terrain::ForEachPattern(list, [&](std::string_view pattern) {
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

std::string SetStoreFolder(const std::string& store, const std::string& name,
                           std::optional<Season> season) {
    std::string relative = name;
    if (season) relative += "/" + std::string(SeasonName(*season));
    return files::ResolveName(store, relative) + "/";
}

void InstallSeason(ProgramState& state, Season season) {
    if (state.TerrainSet == 0) return;
    const auto set = static_cast<unsigned>(state.TerrainSet);
    GameFolderChange change(state, set);
    if (!change.Begun()) return;

    // The season is recorded first: should the copy be cut short, the next start finishes it.
    const SettingsStore store = state.Settings();
    if (!change.Wrote(store.SetInt(Key::Terrain, Stored(season)), store.Path())) return;
    state.Terrain = Stored(season);

    const std::string name = store.TerrainSetName(set);
    // A set without seasons installs its one terrain whichever season is asked for.
    const std::optional<Season> folder =
        store.TerrainSetHasSeasons(set) ? std::optional(season) : std::nullopt;
    const PatternLists lists = PatternLists::Read(store);

    std::vector<std::string> failed;
    CopyList(state, lists.terrain, "Terrain", SetStoreFolder(state.TerrainFolder, name, folder),
             failed);
    if (state.CopySkins)
        CopyList(state, lists.skins, "Skins", SetStoreFolder(state.SkinsFolder, name, folder),
                 failed);
    change.NotCopied(failed);
}

void RestoreDefaultTerrain(ProgramState& state) {
    GameFolderChange change(state, 0);
    if (!change.Begun()) return;
    const SettingsStore store = state.Settings();
    if (!change.Wrote(store.SetInt(Key::TerrainSet, 0), store.Path())) return;
    state.TerrainSet = 0;
    RemoveInstalledFiles(state, PatternLists::Read(store));
    // The low detail of a theatre like the Pacific must not outlive it.
    RestoreObjectDetail(state);
}

void RemoveInstalledFiles(ProgramState& state, const PatternLists& lists) {
    GameFolderChange change(state, 0);
    if (!change.Begun()) return;
    // Common files are optional, so an empty list of them is no fault (and matches nothing).
    DeleteList(state, lists.common, nullptr);
    DeleteList(state, lists.terrain, "Terrain");
    if (state.CopySkins) DeleteList(state, lists.skins, "Skins");
}

}  // namespace harbinet
