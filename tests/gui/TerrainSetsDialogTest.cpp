// The terrain set dialogs driven as a user drives them, checked on the settings file and folders.
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "gui/GuiSupport.h"
#include "gui/dialogs/TerrainSetEditDialog.h"
#include "gui/dialogs/TerrainSetsDialog.h"
#include "gui/dialogs/TerrainSkinsDialog.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/StaticEx.h"
#include "program/Commands.h"

namespace harbinet::test {
namespace {

// The Add dialog takes only a usable name (which names are is the core's to test).
TEST_F(FrameTest, TerrainSetsAreDeletedAddedAndModifiedFromTheTray) {
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n[TerrainSets]\nTerrain1=Channel Front\n"
        "Seasons1=1\nTerrain2=Med\nTerrain10=Pacific\nObjectsLow10=1\n");
    game.ui.answer = true;
    ModalHook user([&](wxDialog& d) {
        const std::string title = d.GetTitle().utf8_string();
        if (title == "Add Terrain Set") {
            auto& edit = static_cast<TerrainSetEditDialog&>(d);
            SendMouse(edit.OkButton());  // no name: nothing happens
            edit.NameField()->ChangeValue("CHANNEL FRONT");
            SendMouse(edit.OkButton());
            edit.NameField()->ChangeValue(" Burma ");
            edit.SeasonsCheck()->SetValue(true);
            SendMouse(edit.OkButton());
        } else if (title == "Modify Terrain Set") {
            auto& edit = static_cast<TerrainSetEditDialog&>(d);
            EXPECT_FALSE(edit.NameField()->IsEnabled());
            EXPECT_EQ(edit.NameField()->GetValue(), "Pacific");
            EXPECT_TRUE(edit.ObjectsLowCheck()->GetValue());
            edit.ObjectsLowCheck()->SetValue(false);
            edit.SeasonsCheck()->SetValue(true);
            SendMouse(edit.OkButton());
        } else if (title == TerrainSetsDialog::kTitle) {
            auto& sets = static_cast<TerrainSetsDialog&>(d);
            wxListCtrl& list = *sets.List();
            EXPECT_EQ(Rows(list, {0}), "1;10;2;");
            SelectRow(list, 2);
            SendMouse(sets.Button(ui::Button::Delete));
            SendMouse(sets.Button(ui::Button::Add));
            SelectRow(list, 1, true);  // set 10, a double click
            // The rows are read again from the settings after each change.
            EXPECT_EQ(Rows(list, {0, 1, 2, 3}),
                      "1|Channel Front|Yes|No;10|Pacific|Yes|No;2|Burma|Yes|No;");
            SelectRow(list, 2);
            SendMouse(sets.Button(ui::Button::Skins));
        }
    });
    frame->RunCommand(cmd::kConfigureTerrainSets);

    EXPECT_EQ(user.shown,
              (std::vector<std::string>{"Configure Terrain Sets", "Add Terrain Set",
                                        "Modify Terrain Set", "Configure Skins for Burma"}));
    EXPECT_EQ(game.ui.messages,
              (std::vector<std::string>{
                  "ask Delete Terrain Set: Do you really want to delete the Med Terrain Set?",
                  "error Harbinet Error: There is already a terrain set named \"Channel Front\" "
                  "(letter case does not count in folder names)"}));
}

// What has the keyboard focus: a bitmap button by its command, else the list.
std::string Focused() {
    wxWindow* focus = wxWindow::FindFocus();
    if (auto* button = dynamic_cast<ui::StaticEx*>(focus)) return std::to_string(button->Command());
    return focus && (dynamic_cast<wxListCtrl*>(focus) ||
                     dynamic_cast<wxListCtrl*>(focus->GetParent()))
               ? "list"
               : "?";
}

// Presses Tab and waits for the focus to move.
void PressTab() {
    wxWindow* before = wxWindow::FindFocus();
    wxUIActionSimulator().Char(WXK_TAB);
    EXPECT_TRUE(RunEventsUntil([&] { return wxWindow::FindFocus() != before; }));
}

// Presses Tab until the focus has gone round once; the names of the controls it visited.
std::vector<std::string> TabRound() {
    const std::string first = Focused();
    std::vector<std::string> visited{first};
    for (PressTab(); Focused() != first && visited.size() < 10; PressTab())
        visited.push_back(Focused());
    return visited;
}

// Tab goes through the controls as they are read (every dialog orders them so), and Space
// presses the bitmap button it reached. With a set's skins open, real clicks on the list's
// DELETE do nothing: the list waits for the skins, and OK there still finds its set.
TEST_F(FrameTest, TheListAnswersTabAndSpaceAndWaitsWhileTheSkinsOfASetAreOpen) {
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\nSkinFiles=P*.TPC\n[TerrainSets]\n"
        "Terrain1=Med\n");
    MakeFolder(game.Own() + "Vandelholt");
    game.ui.answer = true;
    const auto id = [](int command) { return std::to_string(command); };
    TerrainSetsDialog* sets = nullptr;
    ModalHook user([&](wxDialog& d) {
        if (d.GetTitle() == "Add Terrain Set") return;
        if (d.GetTitle() == TerrainSetsDialog::kTitle) {
            sets = static_cast<TerrainSetsDialog*>(&d);
            EXPECT_TRUE(RunEventsUntil([&] { return wxWindow::FindFocus() != nullptr; }));
            EXPECT_EQ(TabRound(),
                      (std::vector<std::string>{"list", id(ui::id::kSkinsCommand),
                                                id(ui::id::kAddCommand), id(ui::id::kModifyCommand),
                                                id(ui::id::kDeleteCommand), id(wxID_OK)}));
            PressTab();
            PressTab();
            ASSERT_EQ(Focused(), id(ui::id::kAddCommand));
            wxUIActionSimulator().Char(' ');
            EXPECT_TRUE(RunEventsUntil([&] { return user.shown.size() == 2; }));
            d.Move(600, 600);
            SelectRow(*sets->List(), 0);
            SendMouse(sets->Button(ui::Button::Skins));
            return;
        }
        auto& skins = static_cast<TerrainSkinsDialog&>(d);
        skins.Move(0, 0);
        ClickOn(sets->Button(ui::Button::Delete));
        ClickOn(skins.NextButton());  // handled after the click before it
        EXPECT_TRUE(RunEventsUntil([&] { return skins.Page() == 2; }));
        Press(skins, wxID_OK);
    });
    frame->RunCommand(cmd::kConfigureTerrainSets);
    EXPECT_EQ(user.shown, (std::vector<std::string>{"Configure Terrain Sets", "Add Terrain Set",
                                                    "Configure Skins for Med"}));
    EXPECT_EQ(game.Setting("TerrainSets", "Terrain1"), "Med");
    EXPECT_TRUE(Exists(game.Own() + "Vandelholt/Med.DAT"));
    EXPECT_EQ(game.ui.messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace harbinet::test
