#include "install/Upgrade.h"

#include "change/Change.h"
#include "install/DesktopShortcut.h"
#include "install/FirstInstallation.h"
#include "model/Names.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

constexpr std::array<const char*, 3> kLowDetailSets = {"Pacific", "Mediterranean", "North Africa"};
constexpr std::array<Season, 3> kLaterSeasons = {Season::Summer, Season::Autumn, Season::Winter};

std::string Installed(const settings::TextKey& key) {
    return std::string(settings::InstalledValueOf(key.name));
}

// The upgrade reads the settings as its earlier steps leave them.
struct UpgradePlan {
    Planner& plan;
    const ProgramState& state;

    Settings Planned() { return plan.Planned(state.SettingsPath); }
    void Set(const settings::Value& value) { plan.Setting(state.SettingsPath, value); }
    std::string SetName(unsigned n) { return Planned().TerrainSetName(n); }
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
        Set(settings::Of(settings::kTerrainFiles, Installed(settings::kTerrainFiles)));
        Set(settings::Of(settings::kSkinFiles, Installed(settings::kSkinFiles)));
        Set(settings::Of(settings::kSavedObjectDetail, GameObjectDetail(state)));
        for (unsigned n = 1; n <= 5; ++n) Set(settings::TerrainSetObjectsLow(n, false));
        for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
            const std::string name = SetName(n);
            for (const char* low : kLowDetailSets)
                if (!name.empty() && name == low) Set(settings::TerrainSetObjectsLow(n, true));
        }
    }

    // Layout 13 to 20: the non-skin patterns of "SkinFiles" become "CommonFiles", and their
    // files move from the skin folders to the new common folders; the copies the other seasons
    // had of them go (kept when they differ from the common file).
    void From13() {
        const std::string common = CommonPatterns(Planned().Get(settings::kSkinFiles));
        const std::vector<unsigned> sets = UsableSets();
        plan.MakeFolder(state.CommonFolder);
        for (unsigned n : sets) plan.MakeFolder(state.CommonFolder + SetName(n) + "/");
        // An empty list moves nothing, nor does one that would take every file (it is told).
        const std::string moving =
            UsableList(plan, common, settings::kCommonFiles, nullptr).value_or(std::string());
        terrain::ForEachPattern(moving, [&](std::string_view pattern) {
            for (unsigned n : sets) {
                const std::string name = SetName(n);
                const bool seasons = Planned().TerrainSetHasSeasons(n);
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
        Set(settings::Of(settings::kSkinFiles, Installed(settings::kSkinFiles)));
        Set(settings::Of(settings::kCommonFiles, common));
        Set(settings::OfSeason(Season::Spring));
        Set(settings::Of(settings::kTerrainSet, 0));
        PlanRemoveInstalledFiles(
            plan, state,
            {Planned().Get(settings::kTerrainFiles), Installed(settings::kSkinFiles), common});
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
        Set(settings::Of(settings::kVersion, settings::kCurrentVersion));
    }
};

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

UpgradeKind UpgradeNeeded(const Settings& settings) {
    const std::uint32_t version = settings.Get(settings::kVersion);
    if (version < 12) return UpgradeKind::Reinstall;
    // A newer program's layout is left as it is: writing 22 over it would claim keys this
    // program does not know.
    if (version >= settings::kCurrentVersion) return UpgradeKind::None;
    return UpgradeKind::Steps;
}

Result DiscardOldSettings(ProgramState& state, std::string& backup) {
    backup.clear();
    if (files::Stamp(state.SettingsPath).type == files::FileStamp::Type::Missing) return {};
    const std::string kept = state.SettingsPath + ".old";
    if (!files::CopyFile(state.SettingsPath, kept, true))
        return Result::Failure(Format(text::kSettingsNotBackedUp, kept.c_str()), kept);
    backup = kept;
    if (!files::DeleteFile(state.SettingsPath))
        return Result::Failure(Format(text::kUnableToWrite, state.SettingsPath.c_str()),
                               state.SettingsPath);
    state.settings.Reload();
    return {};
}

ChangeResult UpgradeSettings(ProgramState& state) {
    const std::uint32_t version = state.settings.Get(settings::kVersion);
    // The desktop entry first: once the change has written the new layout, no later start
    // upgrades again to make it.
    const Result shortcut = CreateDesktopShortcut(state);
    ChangeResult result = RunChange(state, "upgrade", [&](Planner& plan) {
        UpgradePlan{plan, state}.Run(version);
    });
    if (!shortcut) result.messages.push_back(shortcut.Message());
    return result;
}

}  // namespace harbinet
