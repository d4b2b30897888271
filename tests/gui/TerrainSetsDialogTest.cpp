// The terrain set dialogs driven as a user drives them, checked on the settings file and folders.
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "gui/GuiSupport.h"
#include "gui/dialogs/TerrainSetEditDialog.h"
#include "gui/dialogs/TerrainSetsDialog.h"
#include "gui/dialogs/TerrainSkinsDialog.h"
#include "gui/widgets/StaticEx.h"
#include "program/Commands.h"

namespace harbinet::test {
namespace {

std::vector<std::string> Column(wxListCtrl* list, int column) {
    std::vector<std::string> texts;
    for (long i = 0; i < list->GetItemCount(); ++i)
        texts.push_back(list->GetItemText(i, column).utf8_string());
    return texts;
}

void SelectRow(wxListCtrl* list, const char* id) {
    const long i = list->FindItem(-1, id);
    list->SetItemState(i, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
}

// The Add dialog takes only a usable name and stops typing at 60 characters; Cancel in Modify
// changes nothing.
TEST_F(FrameTest, TerrainSetsAreDeletedAddedAndModifiedFromTheTray) {
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n[TerrainSets]\nTerrain1=Channel Front\n"
        "Seasons1=1\nTerrain2=Med\nTerrain10=Pacific\nObjectsLow10=1\n");
    game.ui.messages.clear();  // no tray on this display
    game.ui.answer = true;
    ModalHook user([&](wxDialog& d) {
        const std::string title = d.GetTitle().utf8_string();
        if (title == "Add Terrain Set") {
            auto& edit = static_cast<TerrainSetEditDialog&>(d);
            SendMouse(edit.OkButton());  // no name: nothing happens
            edit.NameField()->ChangeValue("CHANNEL FRONT");
            SendMouse(edit.OkButton());
            edit.NameField()->SetFocus();
            edit.NameField()->SelectAll();
            for (int i = 0; i < 70; ++i) edit.NameField()->WriteText("x");  // typed
            EXPECT_EQ(edit.NameField()->GetValue().size(), 60u);
            edit.NameField()->ChangeValue(" Burma ");
            edit.SeasonsCheck()->SetValue(true);
            SendMouse(edit.OkButton());
        } else if (title == "Modify Terrain Set") {
            auto& edit = static_cast<TerrainSetEditDialog&>(d);
            EXPECT_FALSE(edit.NameField()->IsEnabled());
            if (edit.NameField()->GetValue() == "Channel Front") {
                edit.SeasonsCheck()->SetValue(false);
                Press(d, wxID_CANCEL);
                return;
            }
            EXPECT_EQ(edit.NameField()->GetValue(), "Pacific");
            EXPECT_TRUE(edit.ObjectsLowCheck()->GetValue());
            edit.ObjectsLowCheck()->SetValue(false);
            edit.SeasonsCheck()->SetValue(true);
            SendMouse(edit.OkButton());
        } else if (title == TerrainSetsDialog::kTitle) {
            auto& sets = static_cast<TerrainSetsDialog&>(d);
            wxListCtrl* list = sets.List();
            const auto activate = [&](const char* id) {  // a double click
                SelectRow(list, id);
                wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
                event.SetEventObject(list);
                list->GetEventHandler()->ProcessEvent(event);
            };
            EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"1", "10", "2"}));
            SelectRow(list, "2");
            SendMouse(sets.Button(ui::Button::Delete));
            SendMouse(sets.Button(ui::Button::Add));
            activate("1");
            activate("10");
            // The rows are read again from the settings after each change.
            EXPECT_EQ(Column(list, 1),
                      (std::vector<std::string>{"Channel Front", "Pacific", "Burma"}));
            EXPECT_EQ(Column(list, 2), (std::vector<std::string>{"Yes", "Yes", "Yes"}));
            EXPECT_EQ(Column(list, 3), (std::vector<std::string>{"No", "No", "No"}));
            SelectRow(list, "2");
            SendMouse(sets.Button(ui::Button::Skins));
        }
    });
    frame->RunCommand(cmd::kConfigureTerrainSets);

    EXPECT_EQ(user.shown, (std::vector<std::string>{"Configure Terrain Sets", "Add Terrain Set",
                                                    "Modify Terrain Set", "Modify Terrain Set",
                                                    "Configure Skins for Burma"}));
    EXPECT_EQ(game.ui.messages,
              (std::vector<std::string>{
                  "ask Delete Terrain Set: Do you really want to delete the Med Terrain Set?",
                  "error Harbinet Error: There is already a terrain set named \"Channel Front\" "
                  "(letter case does not count in folder names)"}));
}

// With a set's skins open, real clicks on the list's DELETE do nothing: the list waits for the
// skins, and OK there still finds its set.
TEST_F(FrameTest, TheListWaitsWhileTheSkinsOfASetAreOpen) {
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\nSkinFiles=P*.TPC\n[TerrainSets]\n"
        "Terrain1=Med\n");
    MakeFolder(game.Own() + "Vandelholt");
    game.ui.messages.clear();  // no tray on this display
    game.ui.answer = true;
    TerrainSetsDialog* sets = nullptr;
    ModalHook user([&](wxDialog& d) {
        if (d.GetTitle() == TerrainSetsDialog::kTitle) {
            sets = static_cast<TerrainSetsDialog*>(&d);
            d.Move(600, 600);
            SelectRow(sets->List(), "1");
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
    EXPECT_EQ(user.shown,
              (std::vector<std::string>{"Configure Terrain Sets", "Configure Skins for Med"}));
    EXPECT_EQ(game.Setting("TerrainSets", "Terrain1"), "Med");
    EXPECT_TRUE(Exists(game.Own() + "Vandelholt/Med.DAT"));
    EXPECT_EQ(game.ui.messages, std::vector<std::string>{});
}

}  // namespace
}  // namespace harbinet::test
