// The external applications list with its edit dialog, and the Configure dialog, over a
// settings file with the tools a player keeps beside the game.
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <fstream>

#include "Shots.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/ExternalAppsDialog.h"

namespace harbinet::shots {
namespace {

const Group configure("configure", [](const Context& c) {
    std::ofstream(c.state.SettingsPath)
        << "[Harbinet]\nVersion=22\nMode=0\nClickDefault=1\nLoadOnStart=0\nCopySkins=1\n"
           "LaunchAfter=0\nSavedObjectDetail=1\nTerrainFiles=*.TER,GRAS*.TPC\n"
           "SkinFiles=P*.TPC,*.3DZ\nCommonFiles=*.CMN,ISLAND*.TPC\n"
           "[External]\nApp1Desc=Orlen's ECA Control Panel\nApp1EXE=..\\ECA\\ECAPanel.exe\n"
           "App2Desc=EAW Online Manager\nApp2EXE=..\\EAWOM.EXE\n"
           "App3Desc=Harbinet Manual\nApp3EXE=Harbinet ReadMe.RTF\n"
           "App10Desc=Mission Builder\nApp10EXE=/opt/eaw-tools/missionbuilder\n"
           "App12Desc=Squadron Roster\nApp12EXE=..\\Docs\\Roster.txt\n";
    const auto flags = [&](bool on) {
        if (!c.state.settings.Write({settings::Of(settings::kClickDefault, on),
                                     settings::Of(settings::kCopySkins, on)}))
            std::abort();
    };
    flags(true);

    auto* apps = new ExternalAppsDialog(c.state, nullptr);
    apps->List()->SetItemState(1, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Shoot(apps, c, "external-apps");

    Shoot(new ExternalAppEditDialog(c.state, ExternalAppEditDialog::Mode::Modify, nullptr,
                                    "Orlen's ECA Control Panel", "..\\ECA\\ECAPanel.exe"),
          c, "external-app-modify");

    auto* options = new ConfigureDialog(c.state, ReadConfiguration(c.state), nullptr);
    options->AdvancedMode()->SetValue(true);
    for (int p = 0; p < ConfigureDialog::kPatterns; ++p)
        options->PatternEdit(static_cast<ConfigureDialog::Pattern>(p))->Enable();
    Shoot(options, c, "configure");
    flags(false);
});

}  // namespace
}  // namespace harbinet::shots
