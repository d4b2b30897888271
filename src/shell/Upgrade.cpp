#include "shell/Upgrade.h"

#include "platform/Files.h"
#include "shell/DesktopShortcut.h"
#include "shell/FirstInstallation.h"
#include "terrain/SeasonSwitching.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

constexpr std::string_view kStandardSkinFiles = "P*.TPC,*.3DZ";
constexpr std::array<const char*, 3> kLowDetailSets = {"Pacific", "Mediterranean", "North Africa"};
constexpr std::array<const char*, 3> kLaterSeasons = {"Summer/", "Autumn/", "Winter/"};

// Layout 12 to 13: the pattern lists, the saved object detail and low detail for the theatres
// that need it.
void StepFrom12(FrameState& state) {
    namespace k = settings;
    const SettingsStore s = state.Settings();
    s.Set(k::kTerrainFiles, "*.TER,GRAS*.TPC");
    s.Set(k::kSkinFiles, kStandardSkinFiles);
    CopyGameObjectDetail(state);
    for (unsigned n = 1; n <= 5; ++n) s.Set(k::kTerrainSets, k::ObjectsLowKey(n), "0");
    for (unsigned n = 1; n <= k::kMaxTerrainSets; ++n) {
        const std::string name = s.TerrainSetName(n);
        for (const char* low : kLowDetailSets)
            if (!name.empty() && name == low) s.Set(k::kTerrainSets, k::ObjectsLowKey(n), "1");
    }
}

// Layout 13 to 20: the non-skin patterns of "SkinFiles" become "CommonFiles", and their files
// move from the skin folders to the new common folders.
void StepFrom13(FrameState& state) {
    namespace k = settings;
    const SettingsStore s = state.Settings();
    const std::string common = CommonPatterns(s.GetText(k::kSkinFiles));
    s.Set(k::kSkinFiles, kStandardSkinFiles);
    s.Set(k::kCommonFiles, common);

    files::CreateFolder(state.CommonFolder);
    for (unsigned n = 1; n <= k::kMaxTerrainSets; ++n) {
        const std::string name = s.TerrainSetName(n);
        if (!name.empty()) files::CreateFolder(state.CommonFolder + name);
    }
    if (!common.empty()) {
        terrain::ForEachPattern(common, [&](std::string_view pattern) {
            for (unsigned n = 1; n <= k::kMaxTerrainSets; ++n) {
                const std::string name = s.TerrainSetName(n);
                if (name.empty()) continue;
                const bool seasons = s.TerrainSetHasSeasons(n);
                const std::string skins = state.SkinsFolder + name + "/";
                const std::string target = state.CommonFolder + name + "/";
                MoveMatchingFiles(skins + (seasons ? "Spring/" : ""), target, pattern);
                if (!seasons) continue;
                // The other seasons' copies of the files now common go; a file only one of them
                // has is kept rather than lost.
                for (const char* season : kLaterSeasons) {
                    for (const auto& found : files::FindFiles(skins + season, pattern)) {
                        if (!found.folder &&
                            files::FileExists(files::ResolveName(target, found.name)))
                            files::DeleteFile(found.path);
                    }
                }
            }
        });
    }

    files::CreateFolder(state.VandelholtFolder);
    MoveCataloguePictures(state);
    s.Set(k::kTerrain, "1");
    RestoreDefaultTerrain(state);
    for (std::string_view readme : {"ReadMe.TXT", "Harbinet ReadMe.TXT"})
        files::DeleteFile(files::ResolveName(state.OwnFolder, readme));
}

void StepFrom20(FrameState& state) {
    SetSkinsInitialFolder(state);
}

void FinalStep(FrameState& state, const std::string& executablePath) {
    // The pictures beside the program go, but one the catalogue lacks is moved there rather
    // than lost.
    MoveCataloguePictures(state);
    state.Settings().Set(settings::kVersion, std::to_string(settings::kCurrentVersion));
    state.Ui.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade, text::kUpgraded);
    CreateDesktopShortcut(state, executablePath, "", kShortcutName, state.OwnFolder, false);
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

void UpgradeSettings(FrameState& state, const std::string& executablePath) {
    namespace k = settings;
    const std::uint32_t version =
        state.Settings().GetUnsigned(k::kSection, k::kVersion, k::kVersionDefault);
    if (version == k::kCurrentVersion) return;
    if (version < 12) {
        files::DeleteFile(state.SettingsPath);
        RunFirstInstallation(state, executablePath);
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
            StepFrom20(state);
            break;
        default:
            break;
    }
    FinalStep(state, executablePath);
}

}  // namespace harbinet
