#include "shell/TrayMenu.h"

#include "shell/Commands.h"
#include "shell/Strings.h"

namespace harbinet {
namespace {

using Kind = TrayMenuItem::Kind;

TrayMenuItem Command(int command, std::string text) {
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

const char* SeasonText(std::int32_t terrain) {
    switch (terrain) {
        case 1:
            return text::kSpringTerrain;
        case 2:
            return text::kSummerTerrain;
        case 3:
            return text::kAutumnTerrain;
        case 4:
            return text::kWinterTerrain;
        default:
            return nullptr;
    }
}

}  // namespace

std::vector<TrayMenuItem> BuildTrayMenu(const FrameState& state) {
    const SettingsStore store = state.Settings();
    const bool automatic = state.Mode == 1;
    std::vector<TrayMenuItem> menu;

    menu.push_back(Command(cmd::kLaunchGame, text::kMenuLaunchGame));
    menu.back().isDefault = state.ClickDefault != 0;

    std::vector<TrayMenuItem> apps;
    for (unsigned n = 1; n <= settings::kMaxExternalApps; ++n) {
        std::string desc = store.GetText(settings::kExternal, settings::AppDescKey(n));
        if (!desc.empty())
            apps.push_back(Command(cmd::kFirstExternalApp + static_cast<int>(n) - 1, desc));
    }
    if (!apps.empty()) menu.push_back(SubMenu(text::kMenuLaunch, std::move(apps)));
    menu.push_back(Separator());

    if (automatic) {
        menu.push_back(Command(cmd::kManualMode, text::kManualMode));
        menu.push_back(Command(cmd::kSetActiveCareer, text::kMenuSetActiveCareer));
    } else {
        menu.push_back(Command(cmd::kAutomaticMode, text::kAutomaticMode));
        menu.push_back(Command(cmd::kRefreshSeason, text::kMenuProperSeason));
        if (state.TerrainSet != 0) {
            menu.push_back(Separator());
            const char* seasons[] = {text::kMenuLoadSpring, text::kMenuLoadSummer,
                                     text::kMenuLoadAutumn, text::kMenuLoadWinter};
            for (int season = 1; season <= 4; ++season) {
                menu.push_back(Command(cmd::kDefaultTerrain + season, seasons[season - 1]));
                // Only a season item carries the mark: a hand-edited "Terrain" outside 1..4
                // must not tick "Use EAW Default Terrain/Skins" or a mode item instead.
                menu.back().checked = state.Terrain == season;
            }
        }
    }

    if (state.TerrainSet != 0 && state.CopySkins != 0) {
        menu.push_back(Separator());
        const std::string name = store.TerrainSetName(static_cast<unsigned>(state.TerrainSet));
        menu.push_back(Command(cmd::kTerrainSkins, Format(text::kMenuTerrainSkins, name.c_str())));
    }

    menu.push_back(Separator());
    menu.push_back(Command(cmd::kDefaultTerrain, text::kMenuDefaultTerrain));
    menu.back().radio = state.TerrainSet == 0;
    for (unsigned n = 1; n <= settings::kMaxTerrainSets; ++n) {
        const std::string name = store.TerrainSetName(n);
        if (name.empty()) continue;
        menu.push_back(Command(cmd::kFirstTerrainSet + static_cast<int>(n) - 1,
                               Format(text::kMenuSetTerrainSet, name.c_str())));
        menu.back().radio = state.TerrainSet == static_cast<std::int32_t>(n);
    }

    menu.push_back(Separator());
    menu.push_back(Command(cmd::kClose, text::kMenuClose));
    menu.push_back(Separator());
    menu.push_back(
        SubMenu(text::kMenuConfigure,
                {Command(cmd::kConfigure, text::kMenuConfigureHarbinet),
                 Command(cmd::kConfigureSkins, text::kMenuConfigureSkins),
                 Command(cmd::kConfigureTerrainSets, text::kMenuConfigureTerrainSets),
                 Command(cmd::kConfigureExternalApps, text::kMenuConfigureExternalApps)}));
    menu.push_back(Command(cmd::kAbout, text::kMenuAbout));
    menu.back().isDefault = state.ClickDefault == 0;
    return menu;
}

std::string TrayTooltip(const FrameState& state, bool busy) {
    std::string tip = std::string(text::kProgramTitle) + text::kTipSeparator;
    if (busy) return tip + text::kTipBusy;

    tip += state.Mode == 1 ? text::kAutomaticMode : text::kManualMode;
    if (state.TerrainSet == 0) return tip + ", " + text::kTipDefaultTerrain;

    // The tooltip has room for a short name only: 29 characters.
    const std::string name =
        state.Settings().TerrainSetName(static_cast<unsigned>(state.TerrainSet), 30);
    // A hand-edited "Terrain" outside 1..4 names no season: show the set alone.
    if (const char* season = SeasonText(state.Terrain)) tip += std::string(", ") + season;
    return tip + Format(text::kTipSetName, name.c_str());
}

}  // namespace harbinet
