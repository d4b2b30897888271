// The terrain set list and its edit dialog, over a settings file with the usual theatres.
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include <fstream>

#include "Shots.h"
#include "gui/dialogs/TerrainSetEditDialog.h"
#include "gui/dialogs/TerrainSetsDialog.h"

namespace harbinet::shots {
namespace {

const Group terrainSets("terrain-sets", [](const Context& c) {
    std::ofstream(c.state.SettingsPath)
        << "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=1\n[TerrainSets]\n"
           "Terrain1=Channel Front\nSeasons1=1\nObjectsLow1=0\n"
           "Terrain2=Mediterranean\nSeasons2=0\nObjectsLow2=1\n"
           "Terrain3=Pacific\nSeasons3=0\nObjectsLow3=1\n"
           "Terrain4=Eastern Front 1941\nSeasons4=1\nObjectsLow4=0\n"
           "Terrain10=Battle of Britain, Summer 1940\nSeasons10=0\nObjectsLow10=0\n";

    auto* sets = new TerrainSetsDialog(c.state, nullptr);
    sets->List()->SetItemState(3, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    Shoot(sets, c, "terrain-sets");

    auto* add = new TerrainSetEditDialog(c.state, true, nullptr);
    add->NameField()->ChangeValue("North Africa 1942");
    add->ObjectsLowCheck()->SetValue(true);
    Shoot(add, c, "terrain-set-add");

    Shoot(new TerrainSetEditDialog(c.state, false, nullptr, "Eastern Front 1941", true, false), c,
          "terrain-set-modify");
});

}  // namespace
}  // namespace harbinet::shots
