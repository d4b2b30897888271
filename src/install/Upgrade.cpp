#include "install/Upgrade.h"

#include <filesystem>
#include <system_error>

#include "install/DesktopShortcut.h"
#include "install/FirstInstallation.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

using settings::Key;

constexpr std::array<const char*, 3> kLowDetailSets = {"Pacific", "Mediterranean", "North Africa"};
constexpr std::array<Season, 3> kLaterSeasons = {Season::Summer, Season::Autumn, Season::Winter};

// Both files read, byte for byte the same.
bool SameContents(const std::string& a, const std::string& b) {
    std::string x, y;
    return files::ReadWholeFile(a, x) && files::ReadWholeFile(b, y) && x == y;
}

std::string_view Installed(Key key) {
    return *settings::Info(key).installed;
}

// Layout 12 to 13: the pattern lists, the saved object detail and low detail for the theatres
// that need it.
void StepFrom12(ProgramState& state) {
    const SettingsStore store = state.Settings();
    SettingsBatch batch(state.SettingsPath);
    batch.Set(Key::TerrainFiles, Installed(Key::TerrainFiles));
    batch.Set(Key::SkinFiles, Installed(Key::SkinFiles));
    batch.Set(Key::SavedObjectDetail, std::to_string(GameObjectDetail(state)));
    for (unsigned n = 1; n <= 5; ++n)
        batch.Set(settings::kTerrainSets, settings::ObjectsLowKey(n), "0");
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
        const std::string name = store.TerrainSetName(n);
        for (const char* low : kLowDetailSets)
            if (!name.empty() && name == low)
                batch.Set(settings::kTerrainSets, settings::ObjectsLowKey(n), "1");
    }
    batch.Commit();
}

// Layout 13 to 20: the non-skin patterns of "SkinFiles" become "CommonFiles", and their files
// move from the skin folders to the new common folders. The settings are written after the
// files have moved, so a step cut short runs again in full.
void StepFrom13(ProgramState& state) {
    const SettingsStore store = state.Settings();
    const std::string common = CommonPatterns(store.GetText(Key::SkinFiles));

    files::CreateFolder(state.CommonFolder);
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
        const std::string name = store.TerrainSetName(n);
        if (!name.empty()) files::CreateFolder(state.CommonFolder + name);
    }
    // An empty list moves nothing (its one empty pattern would match nothing anyway).
    terrain::ForEachPattern(common, [&](std::string_view pattern) {
        for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
            const std::string name = store.TerrainSetName(n);
            if (name.empty()) continue;
            const bool seasons = store.TerrainSetHasSeasons(n);
            const std::string target = state.CommonFolder + name + "/";
            MoveMatchingFiles(
                SetStoreFolder(state.SkinsFolder, name,
                               seasons ? std::optional(Season::Spring) : std::nullopt),
                target, pattern);
            if (!seasons) continue;
            // The other seasons' copies of the files now common go; a file only one of them
            // has, or one that differs from the common copy, is kept rather than lost.
            for (Season season : kLaterSeasons) {
                const std::string folder = SetStoreFolder(state.SkinsFolder, name, season);
                for (const auto& found : files::FindFiles(folder, pattern)) {
                    if (!found.folder &&
                        SameContents(found.path, files::ResolveName(target, found.name)))
                        files::DeleteFile(found.path);
                }
            }
        }
    });

    files::CreateFolder(state.SkinCatalogueFolder);
    MoveCataloguePictures(state);

    // The game's default terrain, with the new lists.
    state.TerrainSet = 0;
    RemoveInstalledFiles(
        state, {store.GetText(Key::TerrainFiles), std::string(Installed(Key::SkinFiles)), common});
    for (std::string_view readme : {"ReadMe.TXT", "Harbinet ReadMe.TXT"})
        files::DeleteFile(files::ResolveName(state.OwnFolder, readme));

    SettingsBatch batch(state.SettingsPath);
    batch.Set(Key::SkinFiles, Installed(Key::SkinFiles));
    batch.Set(Key::CommonFiles, common);
    batch.Set(Key::Terrain, "1");
    batch.Set(Key::TerrainSet, "0");
    batch.Commit();
}

// The settings file about to be discarded is kept beside it, replacing an older backup, and the
// user is told where. False (the user told) when there is a file that could not be kept: it must
// then not be discarded.
bool BackUpSettings(ProgramState& state) {
    std::error_code ec;
    if (std::filesystem::symlink_status(state.SettingsPath, ec).type() ==
        std::filesystem::file_type::not_found)
        return true;
    const std::string backup = state.SettingsPath + ".old";
    if (!files::CopyFile(state.SettingsPath, backup)) {
        state.host.ShowError(Format(text::kSettingsNotBackedUp, backup.c_str()));
        return false;
    }
    state.host.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade,
                           Format(text::kSettingsBackedUp, backup.c_str()));
    return true;
}

void FinalStep(ProgramState& state) {
    // The pictures beside the program go, but one the catalogue lacks is moved there rather
    // than lost.
    MoveCataloguePictures(state);
    state.Settings().Set(Key::Version, Installed(Key::Version));
    state.host.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade, text::kUpgraded);
    CreateDesktopShortcut(state);
}

}  // namespace

std::string CommonPatterns(std::string_view skinFiles) {
    std::string common;
    terrain::ForEachPattern(skinFiles, [&](std::string_view pattern) {
        if (pattern == "P*.TPC" || pattern == "*.3DZ") return;
        if (!common.empty()) common += ",";
        common += pattern;
    });
    return common;
}

void UpgradeSettings(ProgramState& state) {
    const std::uint32_t version = state.Settings().GetUnsigned(Key::Version);
    if (version == settings::kCurrentVersion) return;
    if (version < 12) {
        if (!BackUpSettings(state)) return;
        files::DeleteFile(state.SettingsPath);
        RunFirstInstallation(state);
        return;
    }
    switch (version) {
        case 12:
            StepFrom12(state);
            [[fallthrough]];
        case 13:
            StepFrom13(state);
            [[fallthrough]];
        case 20:
            SetSkinsInitialFolder(state);
            break;
        default:
            break;
    }
    FinalStep(state);
}

}  // namespace harbinet
