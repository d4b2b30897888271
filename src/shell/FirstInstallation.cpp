#include "shell/FirstInstallation.h"

#include <algorithm>
#include <filesystem>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "shell/DesktopShortcut.h"
#include "terrain/SeasonSwitching.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

constexpr std::string_view kSkinsIni = "Skins.INI";
constexpr std::string_view kSkinsSection = "Skins";
constexpr std::string_view kInitialFolder = "InitialFolder";
constexpr const char* kChannelFront = "Channel Front";
constexpr std::array<const char*, 4> kSeasonNames = {"Spring", "Summer", "Autumn", "Winter"};

struct TerrainSetDefaults {
    const char* name;
    const char* seasons;
    const char* objectsLow;
};
constexpr std::array<TerrainSetDefaults, 5> kTerrainSetDefaults = {{
    {kChannelFront, "1", "0"},
    {"", "0", "0"},
    {"", "0", "0"},
    {"", "0", "0"},
    {"", "0", "0"},
}};

struct AppDefaults {
    const char* desc;
    const char* exe;  // in the game folder; empty for a free slot
};
constexpr std::array<AppDefaults, 5> kAppDefaults = {{
    {"Orlen's ECA Control Panel", "ECAPANEL.EXE"},
    {"Brask's EAW Control", "EAWCONTROL.EXE"},
    {"Tavish's EAW OnLine Manager", "EAWCM.EXE"},
    {"", ""},
    {"", ""},
}};

// A copy made by the file layer keeps the size and the last-write time of its source.
bool IsCopyOf(const std::string& source, const std::string& target) {
    files::FileTime a = 0, b = 0;
    if (!files::FileExists(target) || !files::GetLastWriteTime(source, a) ||
        !files::GetLastWriteTime(target, b) || a != b)
        return false;
    std::error_code e1, e2;
    const auto sourceSize = std::filesystem::file_size(source, e1);
    const auto targetSize = std::filesystem::file_size(target, e2);
    return !e1 && !e2 && sourceSize == targetSize;
}

void WriteDefaults(FrameState& state) {
    namespace k = settings;
    const SettingsStore s = state.Settings();
    s.Set(k::kVersion, std::to_string(k::kCurrentVersion));
    s.Set(k::kMode, "0");
    state.Mode = 0;
    s.Set(k::kTerrain, "1");
    s.Set(k::kTerrainSet, "0");
    s.Set(k::kTimer, "30");
    s.Set(k::kClickDefault, "0");
    s.Set(k::kLoadOnStart, "0");
    s.Set(k::kCopySkins, "0");
    s.Set(k::kLaunchAfter, "0");
    s.Set(k::kTerrainFiles, "*.TER,GRAS*.TPC");
    s.Set(k::kSkinFiles, "P*.TPC,*.3DZ");
    s.Set(k::kCommonFiles, "");
}

void WriteTables(const FrameState& state) {
    namespace k = settings;
    const SettingsStore s = state.Settings();
    for (unsigned n = 1; n <= kTerrainSetDefaults.size(); ++n) {
        const auto& d = kTerrainSetDefaults[n - 1];
        s.Set(k::kTerrainSets, k::TerrainNameKey(n), d.name);
        s.Set(k::kTerrainSets, k::SeasonsKey(n), d.seasons);
        s.Set(k::kTerrainSets, k::ObjectsLowKey(n), d.objectsLow);
    }
    for (unsigned n = 1; n <= kAppDefaults.size(); ++n) {
        const auto& d = kAppDefaults[n - 1];
        s.Set(k::kExternal, k::AppDescKey(n), d.desc);
        s.Set(k::kExternal, k::AppExeKey(n), *d.exe ? state.GameFolder + d.exe : "");
    }
}

// Older versions kept one folder per season straight under the terrain folder. Every file of
// it moves into the Channel Front season folder: the terrain files by pattern, replacing the
// ones there, every other file only where no file of that name is there yet, so that nothing
// is lost; the old folder goes once it is empty.
void MoveOldSeasonFolder(const std::string& old, const std::string& now) {
    MoveMatchingFiles(old, now, terrain::kDefaultPattern);
    for (const auto& found : files::FindFiles(old, "*")) {
        if (found.folder || files::WildcardMatch(terrain::kDefaultPattern, found.name)) continue;
        MoveFileIfAbsent(found.path, now, found.name);
    }
    files::RemoveEmptyFolder(old);
}

void AddExtraTerrainSets(const FrameState& state) {
    namespace k = settings;
    const SettingsStore s = state.Settings();
    s.Set(k::kTerrainSets, k::TerrainNameKey(2), "Mediterranean");
    s.Set(k::kTerrainSets, k::SeasonsKey(2), "0");
    s.Set(k::kTerrainSets, k::ObjectsLowKey(2), "1");
    s.Set(k::kTerrainSets, k::TerrainNameKey(3), "Pacific");
    s.Set(k::kTerrainSets, k::SeasonsKey(3), "0");
    s.Set(k::kTerrainSets, k::ObjectsLowKey(3), "1");
    for (const char* name : {"Mediterranean", "Pacific"}) {
        files::CreateFolder(state.TerrainFolder + name);
        files::CreateFolder(state.SkinsFolder + name);
        files::CreateFolder(state.CommonFolder + name);
    }
}

}  // namespace

void CopyGameObjectDetail(const FrameState& state) {
    namespace k = settings;
    const std::string ini = files::ResolveName(state.GameFolder, k::kGameIni);
    const auto detail = static_cast<std::int32_t>(
        profile::GetInt(ini, k::kGraphics, k::kCityTargets, k::kSavedObjectDetailDefault));
    state.Settings().SetInt(k::kSavedObjectDetail, detail);
}

void SetSkinsInitialFolder(const FrameState& state) {
    std::string temp = files::TempFolder();
    if (temp.size() > 255) temp.resize(255);
    profile::WriteString(files::ResolveName(state.VandelholtFolder, kSkinsIni), kSkinsSection,
                         kInitialFolder, temp);
}

bool MoveFileIfAbsent(const std::string& source, const std::string& targetFolder,
                      const std::string& name) {
    const std::string target = files::ResolveName(targetFolder, name);
    if (!files::CopyFileIfAbsent(source, target)) return false;
    return files::DeleteFile(source);
}

void MoveCataloguePictures(const FrameState& state) {
    for (std::string_view picture : kCataloguePictures) {
        const std::string source = files::ResolveName(state.OwnFolder, picture);
        const std::string target = files::ResolveName(state.VandelholtFolder, picture);
        files::CopyFileIfAbsent(source, target);
        if (files::FileExists(target) && files::FileExists(source)) files::DeleteFile(source);
    }
}

void MoveMatchingFiles(const std::string& source, const std::string& target,
                       std::string_view pattern) {
    // With nothing to move the target keeps its files: a reinstallation finds the season
    // folders full and no old ones to move from.
    const auto sources = files::FindFiles(source, pattern);
    if (std::none_of(sources.begin(), sources.end(),
                     [](const files::FoundFile& f) { return !f.folder; }))
        return;
    terrain::CopyMatchingFiles(source, target, pattern);
    for (const auto& found : sources) {
        if (!found.folder && IsCopyOf(found.path, target + found.name))
            files::DeleteFile(found.path);
    }
}

void RunFirstInstallation(FrameState& state, const std::string& executablePath) {
    WriteDefaults(state);
    CopyGameObjectDetail(state);
    WriteTables(state);

    CreateDesktopShortcut(state, executablePath, "", kShortcutName, state.OwnFolder, false);

    for (const auto* folder :
         {&state.TerrainFolder, &state.SkinsFolder, &state.CommonFolder, &state.VandelholtFolder})
        files::CreateFolder(*folder);
    SetSkinsInitialFolder(state);
    MoveCataloguePictures(state);

    const std::string channel = std::string(kChannelFront) + "/";
    files::CreateFolder(state.TerrainFolder + kChannelFront);
    files::CreateFolder(state.SkinsFolder + kChannelFront);
    files::CreateFolder(state.CommonFolder + kChannelFront);
    for (const char* season : kSeasonNames) {
        files::CreateFolder(state.TerrainFolder + channel + season);
        MoveOldSeasonFolder(files::ResolveName(state.TerrainFolder, season) + "/",
                            state.TerrainFolder + channel + season + "/");
        files::CreateFolder(state.SkinsFolder + channel + season);
    }

    RestoreDefaultTerrain(state);

    if (state.Ui.AskYesNo(text::kCaptionInstall, text::kAddTerrainSetsQuestion))
        AddExtraTerrainSets(state);
}

}  // namespace harbinet
