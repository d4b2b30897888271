#include "install/FirstInstallation.h"

#include <algorithm>

#include "change/Change.h"
#include "install/DesktopShortcut.h"
#include "install/ServedFolder.h"
#include "platform/Profile.h"
#include "platform/UserFolders.h"
#include "skins/SkinCatalogue.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

namespace {

constexpr const char* kChannelFront = "Channel Front";

struct TerrainSetDefaults {
    const char* name;
    bool seasons;
    bool objectsLow;
};
constexpr std::array<TerrainSetDefaults, 5> kTerrainSetDefaults = {{
    {kChannelFront, true, false},
    {"", false, false},
    {"", false, false},
    {"", false, false},
    {"", false, false},
}};
constexpr std::array<TerrainSetDefaults, 2> kExtraTerrainSets = {{
    {"Mediterranean", false, true},
    {"Pacific", false, true},
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
    plan.Setting(file, settings::TerrainSetName(n, set.name));
    plan.Setting(file, settings::TerrainSetSeasons(n, set.seasons));
    plan.Setting(file, settings::TerrainSetObjectsLow(n, set.objectsLow));
}

// Every key but "Mode", in the schema's order, then the tables of sets and applications.
void WriteDefaults(Planner& plan, const Folders& folders) {
    const std::string& file = folders.SettingsPath;
    for (const auto& [key, value] : settings::kInstalled)
        if (key != settings::kMode.name)
            plan.Setting(file,
                         {std::string(settings::kSection), std::string(key), std::string(value)});
    plan.Setting(file, settings::Of(settings::kSavedObjectDetail, GameObjectDetail(folders)));
    for (unsigned n = 1; n <= kTerrainSetDefaults.size(); ++n)
        WriteTerrainSet(plan, file, n, kTerrainSetDefaults[n - 1]);
    for (unsigned n = 1; n <= kAppDefaults.size(); ++n) {
        const auto& d = kAppDefaults[n - 1];
        plan.Setting(file, settings::AppDescription(n, d.desc));
        plan.Setting(file, settings::AppExecutable(n, *d.exe ? folders.GameFolder + d.exe : ""));
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
    plan.Setting(state.SettingsPath, settings::OfMode(OperatingMode::Manual));
}

}  // namespace

std::int32_t GameObjectDetail(const Folders& folders) {
    std::string text;
    if (!profile::ReadFile(game_ini::PathIn(folders.GameFolder), text)) text.clear();
    return game_ini::CityTargets(text);
}

void PlanSkinsInitialFolder(Planner& plan, const Folders& folders) {
    // Where downloads land, rather than the folder for temporary files: the skin picker starts
    // there.
    std::string start = files::DownloadFolder();
    if (start.empty() || !files::FolderExists(start)) start = files::HomeFolder();
    plan.Setting(SkinsIniPath(folders.SkinCatalogueFolder), InitialFolderValue(std::move(start)));
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

ChangeResult RunFirstInstallation(ProgramState& state, bool extraSets) {
    // A program installed system-wide brings the files a copied one finds beside itself.
    SeedProgramFolder(state);
    const Result shortcut = CreateDesktopShortcut(state);
    ChangeResult result = RunChange(state, "first installation", [&](Planner& plan) {
        PlanFirstInstallation(plan, state, extraSets);
    });
    if (!shortcut) result.messages.push_back(shortcut.Message());
    return result;
}

}  // namespace harbinet
