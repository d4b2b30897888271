#include "install/FirstInstallation.h"

#include <algorithm>

#include "change/Change.h"
#include "install/DesktopShortcut.h"
#include "install/ServedFolder.h"
#include "platform/Profile.h"
#include "platform/UserFolders.h"
#include "program/Report.h"
#include "terrain/SeasonInstall.h"

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

void WriteTerrainSet(Planner& plan, const std::string& file, unsigned n,
                     const TerrainSetDefaults& set) {
    plan.Setting(file, settings::kTerrainSets, settings::TerrainNameKey(n), set.name);
    plan.Setting(file, settings::kTerrainSets, settings::SeasonsKey(n), set.seasons);
    plan.Setting(file, settings::kTerrainSets, settings::ObjectsLowKey(n), set.objectsLow);
}

// Every key but "Mode", in the schema's order, then the tables of sets and applications.
void WriteDefaults(Planner& plan, const Folders& folders) {
    const std::string& file = folders.SettingsPath;
    for (const auto& info : settings::kSchema)
        if (info.installed && info.key != Key::Mode)
            plan.Setting(file, settings::kSection, info.name, *info.installed);
    plan.Setting(file, settings::kSection, settings::Info(Key::SavedObjectDetail).name,
                 std::to_string(GameObjectDetail(folders)));
    for (unsigned n = 1; n <= kTerrainSetDefaults.size(); ++n)
        WriteTerrainSet(plan, file, n, kTerrainSetDefaults[n - 1]);
    for (unsigned n = 1; n <= kAppDefaults.size(); ++n) {
        const auto& d = kAppDefaults[n - 1];
        plan.Setting(file, settings::kExternal, settings::AppDescKey(n), d.desc);
        plan.Setting(file, settings::kExternal, settings::AppExeKey(n),
                     *d.exe ? folders.GameFolder + d.exe : "");
    }
}

void MakeSetFolders(Planner& plan, const Folders& folders, const std::string& name) {
    for (const std::string* store :
         {&folders.TerrainFolder, &folders.SkinsFolder, &folders.CommonFolder})
        plan.MakeFolder(*store + name + "/");
}

// Older versions kept one folder per season straight under the terrain folder. Its terrain
// files move into the Channel Front season folder, replacing the ones there; every other file
// moves too where no file of that name is there yet, so that nothing is lost; the old folder
// goes once it is empty.
void PlanOldSeasonFolder(Planner& plan, const std::string& old, const std::string& now) {
    PlanMoveMatchingFiles(plan, old, now, "*.TER");
    for (const std::string& name : plan.Files(old, "*"))
        plan.Move(old + name, files::ResolveName(now, name), false);
    plan.RemoveFolder(old);
}

void PlanFirstInstallation(Planner& plan, const ProgramState& state, bool extraSets) {
    for (const std::string* folder : {&state.TerrainFolder, &state.SkinsFolder, &state.CommonFolder,
                                      &state.SkinCatalogueFolder})
        plan.MakeFolder(*folder);
    PlanSkinsInitialFolder(plan, state);
    PlanCataloguePictures(plan, state);

    MakeSetFolders(plan, state, kChannelFront);
    const std::string channel = std::string(kChannelFront) + "/";
    for (Season season : kSeasons) {
        const std::string name(SeasonName(season));
        plan.MakeFolder(state.TerrainFolder + channel + name + "/");
        const std::string old = files::ResolveName(state.TerrainFolder, name) + "/";
        if (files::FolderExists(old))
            PlanOldSeasonFolder(plan, old, state.TerrainFolder + channel + name + "/");
        plan.MakeFolder(state.SkinsFolder + channel + name + "/");
    }
    // The game's default terrain; the settings below select it.
    PlanRemoveInstalledFiles(plan, state, PatternLists::Installed());

    if (extraSets)
        for (const auto& set : kExtraTerrainSets) MakeSetFolders(plan, state, set.name);
    WriteDefaults(plan, state);
    if (extraSets)
        for (unsigned i = 0; i < kExtraTerrainSets.size(); ++i)
            WriteTerrainSet(plan, state.SettingsPath, 2 + i, kExtraTerrainSets[i]);
    // "Mode" last: an installation cut short before it is written runs again.
    plan.Setting(state.SettingsPath, settings::kSection, settings::Info(Key::Mode).name,
                 *settings::Info(Key::Mode).installed);
}

}  // namespace

std::int32_t GameObjectDetail(const Folders& folders) {
    const std::string ini = files::ResolveName(folders.GameFolder, settings::kGameIni);
    return static_cast<std::int32_t>(profile::GetInt(
        ini, settings::kGraphics, settings::kCityTargets, settings::kCityTargetsDefault));
}

void PlanSkinsInitialFolder(Planner& plan, const Folders& folders) {
    // Where downloads land, rather than the folder for temporary files: the skin picker starts
    // there.
    std::string start = files::DownloadFolder();
    if (start.empty() || !files::FolderExists(start)) start = files::HomeFolder();
    if (start.size() > 255) start.resize(255);
    plan.Setting(files::ResolveName(folders.SkinCatalogueFolder, settings::kSkinsIni),
                 settings::kSkinsSection, settings::kInitialFolder, start);
}

void PlanCataloguePictures(Planner& plan, const Folders& folders) {
    for (std::string_view picture : kCataloguePictures) {
        const std::string source = files::ResolveName(folders.OwnFolder, picture);
        if (files::FileExists(source))
            plan.Move(source, files::ResolveName(folders.SkinCatalogueFolder, picture), false);
    }
}

void PlanMoveMatchingFiles(Planner& plan, const std::string& from, const std::string& to,
                           std::string_view pattern) {
    const std::vector<std::string> moving = plan.Files(from, pattern);
    // With nothing to move the target keeps its files: a reinstallation finds the season
    // folders full and no old ones to move from.
    if (moving.empty()) return;
    for (const std::string& name : plan.Files(to, pattern)) {
        const bool replaced = std::any_of(moving.begin(), moving.end(), [&](const std::string& m) {
            return EqualIgnoringCase(m, name);
        });
        if (!replaced) plan.Save(to + name);
    }
    for (const std::string& name : moving)
        plan.Move(from + name, files::ResolveName(to, name), true);
}

void RunFirstInstallation(ProgramState& state) {
    // A program installed system-wide brings the files a copied one finds beside itself.
    SeedProgramFolder(state);
    CreateDesktopShortcut(state);
    // Asked before anything changes: the journal holds the answer should the change be cut short.
    const bool extraSets =
        state.host.AskYesNo(text::kCaptionInstall, text::kAddTerrainSetsQuestion);
    const ChangeResult result = RunChange(state, "first installation", [&](Planner& plan) {
        PlanFirstInstallation(plan, state, extraSets);
    });
    ReportChange(state, result);
    state.Mode = state.Settings().GetMode();
}

}  // namespace harbinet
