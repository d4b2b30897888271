#include "install/Upgrade.h"

#include "change/Change.h"
#include "install/DesktopShortcut.h"
#include "install/FirstInstallation.h"
#include "model/Names.h"
#include "program/Report.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

using settings::Key;

constexpr std::array<const char*, 3> kLowDetailSets = {"Pacific", "Mediterranean", "North Africa"};
constexpr std::array<Season, 3> kLaterSeasons = {Season::Summer, Season::Autumn, Season::Winter};

std::string_view Installed(Key key) {
    return *settings::Info(key).installed;
}

std::string_view Name(Key key) {
    return settings::Info(key).name;
}

// The upgrade reads the settings as its earlier steps leave them.
struct UpgradePlan {
    Planner& plan;
    const ProgramState& state;

    std::string Get(Key key) {
        return plan.Text(state.SettingsPath, settings::kSection, Name(key));
    }
    void Set(Key key, std::string_view value) {
        plan.Setting(state.SettingsPath, settings::kSection, Name(key), value);
    }
    std::string SetName(unsigned n) {
        return plan.Text(state.SettingsPath, settings::kTerrainSets, settings::TerrainNameKey(n));
    }
    bool HasSeasons(unsigned n) {
        return plan.Int(state.SettingsPath, settings::kTerrainSets, settings::SeasonsKey(n), 0) !=
               0;
    }
    // The sets whose names may be folder names; the others are told once and left alone.
    std::vector<unsigned> UsableSets() {
        std::vector<unsigned> sets;
        for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
            const std::string name = SetName(n);
            if (name.empty()) continue;
            if (IsUsableName(name))
                sets.push_back(n);
            else
                plan.Tell(Format(text::kSetFoldersLeftAlone, name.c_str()));
        }
        return sets;
    }

    // Layout 12 to 13: the pattern lists, the saved object detail and low detail for the
    // theatres that need it.
    void From12() {
        Set(Key::TerrainFiles, Installed(Key::TerrainFiles));
        Set(Key::SkinFiles, Installed(Key::SkinFiles));
        Set(Key::SavedObjectDetail, std::to_string(GameObjectDetail(state)));
        for (unsigned n = 1; n <= 5; ++n)
            plan.Setting(state.SettingsPath, settings::kTerrainSets, settings::ObjectsLowKey(n),
                         "0");
        for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
            const std::string name = SetName(n);
            for (const char* low : kLowDetailSets)
                if (!name.empty() && name == low)
                    plan.Setting(state.SettingsPath, settings::kTerrainSets,
                                 settings::ObjectsLowKey(n), "1");
        }
    }

    // Layout 13 to 20: the non-skin patterns of "SkinFiles" become "CommonFiles", and their
    // files move from the skin folders to the new common folders; the copies the other seasons
    // had of them go (kept when they differ from the common file).
    void From13() {
        const std::string common = CommonPatterns(Get(Key::SkinFiles));
        const std::vector<unsigned> sets = UsableSets();
        plan.MakeFolder(state.CommonFolder);
        for (unsigned n : sets) plan.MakeFolder(state.CommonFolder + SetName(n) + "/");
        // An empty list moves nothing, nor does one that would take every file (it is told).
        const std::string moving =
            UsableList(plan, common, Key::CommonFiles, nullptr).value_or(std::string());
        terrain::ForEachPattern(moving, [&](std::string_view pattern) {
            for (unsigned n : sets) {
                const std::string name = SetName(n);
                const bool seasons = HasSeasons(n);
                PlanMoveMatchingFiles(
                    plan,
                    SetStoreFolder(state.SkinsFolder, name,
                                   seasons ? std::optional(Season::Spring) : std::nullopt),
                    state.CommonFolder + name + "/", pattern);
                if (!seasons) continue;
                for (Season season : kLaterSeasons) {
                    const std::string folder = SetStoreFolder(state.SkinsFolder, name, season);
                    for (const std::string& file : plan.Files(folder, pattern))
                        plan.Discard(folder + file);
                }
            }
        });

        plan.MakeFolder(state.SkinCatalogueFolder);
        PlanCataloguePictures(plan, state);

        // The game's default terrain, with the new lists.
        Set(Key::SkinFiles, Installed(Key::SkinFiles));
        Set(Key::CommonFiles, common);
        Set(Key::Terrain, "1");
        Set(Key::TerrainSet, "0");
        PlanRemoveInstalledFiles(
            plan, state, {Get(Key::TerrainFiles), std::string(Installed(Key::SkinFiles)), common});
        for (std::string_view readme : {"ReadMe.TXT", "Harbinet ReadMe.TXT"}) {
            const std::string path = files::ResolveName(state.OwnFolder, readme);
            if (files::FileExists(path)) plan.Save(path);
        }
    }

    void Run(std::uint32_t version) {
        switch (version) {
            case 12:
                From12();
                [[fallthrough]];
            case 13:
                From13();
                [[fallthrough]];
            case 20:
                PlanSkinsInitialFolder(plan, state);
                break;
            default:
                break;
        }
        // The pictures beside the program go, but one the catalogue lacks is moved there
        // rather than lost.
        PlanCataloguePictures(plan, state);
        Set(Key::Version, Installed(Key::Version));
    }
};

// The settings file about to be discarded is kept beside it, replacing an older backup, and the
// user is told where. False (the user told) when there is a file that could not be kept: it must
// then not be discarded.
bool BackUpSettings(ProgramState& state) {
    if (files::Stamp(state.SettingsPath).type == files::FileStamp::Type::Missing) return true;
    const std::string backup = state.SettingsPath + ".old";
    if (!files::CopyFile(state.SettingsPath, backup, true)) {
        state.host.ShowError(Format(text::kSettingsNotBackedUp, backup.c_str()));
        return false;
    }
    state.host.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade,
                           Format(text::kSettingsBackedUp, backup.c_str()));
    return true;
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
    // The desktop entry first: once the change has written the new layout, no later start
    // upgrades again to make it.
    CreateDesktopShortcut(state);
    const ChangeResult result = RunChange(state, "upgrade", [&](Planner& plan) {
        UpgradePlan{plan, state}.Run(version);
    });
    ReportChange(state, result);
    if (result.refused) return;
    state.host.ShowMessage(MessageIcon::Information, text::kCaptionUpgrade, text::kUpgraded);
}

}  // namespace harbinet
