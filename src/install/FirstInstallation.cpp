#include "install/FirstInstallation.h"

#include <algorithm>

#include "install/DesktopShortcut.h"
#include "install/ServedFolder.h"
#include "platform/Profile.h"
#include "terrain/GameFolderChange.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

using settings::Key;

constexpr const char* kChannelFront = "Channel Front";

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
constexpr std::array<TerrainSetDefaults, 2> kExtraTerrainSets = {{
    {"Mediterranean", "0", "1"},
    {"Pacific", "0", "1"},
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

// Moves a file unless the target (found ignoring letter case) exists; the source is deleted
// only once its copy is in place.
void MoveFileIfAbsent(const std::string& source, const std::string& targetFolder,
                      const std::string& name) {
    if (files::CopyFileIfAbsent(source, files::ResolveName(targetFolder, name)))
        files::DeleteFile(source);
}

void WriteTerrainSet(SettingsBatch& batch, unsigned n, const TerrainSetDefaults& set) {
    batch.Set(settings::kTerrainSets, settings::TerrainNameKey(n), set.name);
    batch.Set(settings::kTerrainSets, settings::SeasonsKey(n), set.seasons);
    batch.Set(settings::kTerrainSets, settings::ObjectsLowKey(n), set.objectsLow);
}

// Every key but "Mode", in the schema's order, then the tables of sets and applications.
void WriteDefaults(SettingsBatch& batch, const Folders& folders) {
    for (const auto& info : settings::kSchema)
        if (info.installed && info.key != Key::Mode) batch.Set(info.key, *info.installed);
    batch.Set(Key::SavedObjectDetail, std::to_string(GameObjectDetail(folders)));
    for (unsigned n = 1; n <= kTerrainSetDefaults.size(); ++n)
        WriteTerrainSet(batch, n, kTerrainSetDefaults[n - 1]);
    for (unsigned n = 1; n <= kAppDefaults.size(); ++n) {
        const auto& d = kAppDefaults[n - 1];
        batch.Set(settings::kExternal, settings::AppDescKey(n), d.desc);
        batch.Set(settings::kExternal, settings::AppExeKey(n),
                  *d.exe ? folders.GameFolder + d.exe : "");
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

void CreateSetFolders(const Folders& folders, const std::string& name) {
    for (const std::string* store :
         {&folders.TerrainFolder, &folders.SkinsFolder, &folders.CommonFolder})
        files::CreateFolder(*store + name);
}

}  // namespace

std::int32_t GameObjectDetail(const Folders& folders) {
    const std::string ini = files::ResolveName(folders.GameFolder, settings::kGameIni);
    return static_cast<std::int32_t>(profile::GetInt(
        ini, settings::kGraphics, settings::kCityTargets, settings::kCityTargetsDefault));
}

void SetSkinsInitialFolder(const Folders& folders) {
    std::string temp = files::TempFolder();
    if (temp.size() > 255) temp.resize(255);
    profile::WriteString(files::ResolveName(folders.SkinCatalogueFolder, settings::kSkinsIni),
                         settings::kSkinsSection, settings::kInitialFolder, temp);
}

void MoveCataloguePictures(const Folders& folders) {
    for (std::string_view picture : kCataloguePictures) {
        const std::string source = files::ResolveName(folders.OwnFolder, picture);
        const std::string target = files::ResolveName(folders.SkinCatalogueFolder, picture);
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
        if (!found.folder && files::IsCopyOf(found.path, target + found.name))
            files::DeleteFile(found.path);
    }
}

void RunFirstInstallation(ProgramState& state) {
    // A program installed system-wide brings the files a copied one finds beside itself.
    SeedProgramFolder(state);
    SettingsBatch batch(state.SettingsPath);
    WriteDefaults(batch, state);

    CreateDesktopShortcut(state);

    for (const std::string* folder : {&state.TerrainFolder, &state.SkinsFolder, &state.CommonFolder,
                                      &state.SkinCatalogueFolder})
        files::CreateFolder(*folder);
    SetSkinsInitialFolder(state);
    MoveCataloguePictures(state);

    CreateSetFolders(state, kChannelFront);
    const std::string channel = std::string(kChannelFront) + "/";
    for (Season season : kSeasons) {
        const std::string name(SeasonName(season));
        files::CreateFolder(state.TerrainFolder + channel + name);
        MoveOldSeasonFolder(files::ResolveName(state.TerrainFolder, name) + "/",
                            state.TerrainFolder + channel + name + "/");
        files::CreateFolder(state.SkinsFolder + channel + name);
    }

    // The game's default terrain: the batch already selects it. A folder without the game (the
    // user was told at start-up) keeps its files.
    state.TerrainSet = 0;
    if (GameFound(state)) RemoveInstalledFiles(state, PatternLists::Installed());

    if (state.host.AskYesNo(text::kCaptionInstall, text::kAddTerrainSetsQuestion)) {
        for (unsigned i = 0; i < kExtraTerrainSets.size(); ++i) {
            WriteTerrainSet(batch, 2 + i, kExtraTerrainSets[i]);
            CreateSetFolders(state, kExtraTerrainSets[i].name);
        }
    }

    batch.Set(Key::Mode, *settings::Info(Key::Mode).installed);
    batch.Commit();
    state.Mode = OperatingMode::Manual;
}

}  // namespace harbinet
