#include "program/TrayMenu.h"

#include <cstdlib>

#include "platform/TextEncoding.h"

#include "program/Commands.h"

namespace harbinet {
namespace {

using Kind = TrayMenuItem::Kind;

TrayMenuItem Item(int command, std::string text) {
    TrayMenuItem item;
    item.command = command;
    item.text = std::move(text);
    return item;
}

TrayMenuItem Separator() {
    TrayMenuItem item;
    item.kind = Kind::Separator;
    return item;
}

TrayMenuItem SubMenu(std::string text, std::vector<TrayMenuItem> items) {
    TrayMenuItem item;
    item.kind = Kind::SubMenu;
    item.text = std::move(text);
    item.items = std::move(items);
    return item;
}

const char* SeasonText(Season season) {
    static constexpr const char* kTexts[] = {text::kSpringTerrain, text::kSummerTerrain,
                                             text::kAutumnTerrain, text::kWinterTerrain};
    return kTexts[Stored(season) - 1];
}

}  // namespace

std::vector<TrayMenuItem> BuildTrayMenu(const ProgramState& state) {
    const Settings& store = state.settings;
    const bool automatic = state.settings.Automatic();
    std::vector<TrayMenuItem> menu;

    menu.push_back(Item(cmd::kLaunchGame, text::kMenuLaunchGame));
    menu.back().isDefault = state.settings.Get(settings::kClickDefault);

    std::vector<TrayMenuItem> apps;
    for (unsigned n = 1; n <= settings::kMaxExternalApps; ++n) {
        std::string desc = store.AppDescription(n);
        if (!desc.empty()) apps.push_back(Item(cmd::ExternalApp(n), desc));
    }
    if (!apps.empty()) menu.push_back(SubMenu(text::kMenuLaunch, std::move(apps)));
    menu.push_back(Separator());

    if (automatic) {
        menu.push_back(Item(cmd::kManualMode, text::kManualMode));
        menu.push_back(Item(cmd::kSetActiveCareer, text::kMenuSetActiveCareer));
    } else {
        menu.push_back(Item(cmd::kAutomaticMode, text::kAutomaticMode));
        menu.push_back(Item(cmd::kRefreshSeason, text::kMenuProperSeason));
        if (state.settings.ActiveSet() != 0) {
            menu.push_back(Separator());
            const char* texts[] = {text::kMenuLoadSpring, text::kMenuLoadSummer,
                                   text::kMenuLoadAutumn, text::kMenuLoadWinter};
            for (Season season : kSeasons) {
                menu.push_back(Item(cmd::Season(season), texts[Stored(season) - 1]));
                // Only a season item carries the mark: a hand-edited "Terrain" outside 1..4
                // must not tick "Use EAW Default Terrain/Skins" or a mode item instead.
                menu.back().checked = state.settings.InstalledSeason() == season;
            }
        }
    }

    if (state.settings.ActiveSet() != 0 && state.settings.Get(settings::kCopySkins)) {
        menu.push_back(Separator());
        const std::string name = store.TerrainSetName(state.settings.ActiveSet());
        menu.push_back(Item(cmd::kTerrainSkins, Format(text::kMenuTerrainSkins, name.c_str())));
    }

    menu.push_back(Separator());
    menu.push_back(Item(cmd::kDefaultTerrain, text::kMenuDefaultTerrain));
    menu.back().radio = state.settings.ActiveSet() == 0;
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
        const std::string name = store.TerrainSetName(n);
        if (name.empty()) continue;
        menu.push_back(Item(cmd::TerrainSet(n), Format(text::kMenuSetTerrainSet, name.c_str())));
        menu.back().radio = state.settings.ActiveSet() == n;
    }

    menu.push_back(Separator());
    menu.push_back(Item(cmd::kClose, text::kMenuClose));
    menu.push_back(Separator());
    menu.push_back(SubMenu(text::kMenuConfigure,
                           {Item(cmd::kConfigure, text::kMenuConfigureHarbinet),
                            Item(cmd::kConfigureSkins, text::kMenuConfigureSkins),
                            Item(cmd::kConfigureTerrainSets, text::kMenuConfigureTerrainSets),
                            Item(cmd::kConfigureExternalApps, text::kMenuConfigureExternalApps)}));
    menu.push_back(Item(cmd::kAbout, text::kMenuAbout));
    menu.back().isDefault = !state.settings.Get(settings::kClickDefault);
    return menu;
}

std::string MenuText(const std::vector<TrayMenuItem>& items, const std::string& indent) {
    std::string out;
    for (const auto& item : items) {
        out += indent;
        switch (item.kind) {
            case Kind::Separator:
                out += "---\n";
                break;
            case Kind::SubMenu:
                out +=
                    ">\t" + EscapeForLine(item.text) + "\n" + MenuText(item.items, indent + "  ");
                break;
            case Kind::Command:
                out += std::to_string(item.command) + "\t" + EscapeForLine(item.text);
                if (item.checked) out += " [checked]";
                if (item.radio) out += " [radio]";
                if (item.isDefault) out += " [default]";
                out += "\n";
                break;
        }
    }
    return out;
}

std::string TrayTooltip(const ProgramState& state, bool busy) {
    std::string tip = std::string(text::kProgramTitle) + text::kTipSeparator;
    if (busy) return tip + text::kTipBusy;

    tip += state.settings.Automatic() ? text::kAutomaticMode : text::kManualMode;
    if (state.settings.ActiveSet() == 0) return tip + ", " + text::kTipDefaultTerrain;

    // The tooltip has room for a short name only: 29 characters.
    const std::string name(
        Utf8Prefix(state.settings.TerrainSetName(state.settings.ActiveSet()), 29));
    // A hand-edited "Terrain" outside 1..4 names no season, and a season whose files did not
    // all install is not claimed: show the set alone.
    const auto season = state.settings.InstalledSeason();
    if (season && !state.changeFailed) tip += std::string(", ") + SeasonText(*season);
    return tip + Format(text::kTipSetName, name.c_str());
}

std::string ChangeTitle(const ProgramState& state, std::string_view what) {
    if (what == "season default")
        return Format(text::kTipInstalling, text::kTipDefaultTerrainChange);
    for (const Season season : kSeasons)
        if (what == "season " + LowerAscii(SeasonName(season)))
            return Format(text::kTipInstalling, SeasonText(season));
    if (what.starts_with("set ")) {
        const std::string number(what.substr(4));
        const unsigned set = static_cast<unsigned>(std::atoi(number.c_str()));
        if (set >= 1 && set <= settings::kMaxTerrainSets && number == std::to_string(set))
            return Format(
                text::kTipInstalling,
                Format(text::kTipTerrainSet, state.settings.TerrainSetName(set).c_str()).c_str());
    }
    return text::kTipChangingFiles;
}

std::string ProgressTooltip(const ProgramState& state, const ChangeProgress& progress) {
    return Format(text::kTipProgress, ChangeTitle(state, progress.what).c_str(),
                  progress.Percent());
}

std::string ProgressLine(const ProgramState& state, const ChangeProgress& p) {
    using Number = unsigned long long;
    return Format("%s: %llu/%llu files, %llu of %llu MiB, %d%%", ChangeTitle(state, p.what).c_str(),
                  Number{p.filesDone}, Number{p.filesTotal}, Number{p.bytesDone >> 20},
                  Number{p.bytesTotal >> 20}, p.Percent());
}

}  // namespace harbinet
