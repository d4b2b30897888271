// The terrain set dialogs driven as a user drives them, checked on the settings file and folders.
#include <wx/checkbox.h>
#include <wx/listctrl.h>
#include <wx/textctrl.h>

#include "gui/GuiSupport.h"
#include "gui/dialogs/TerrainSetEditDialog.h"
#include "gui/dialogs/TerrainSetsDialog.h"
#include "gui/widgets/RunDialog.h"
#include "gui/widgets/StaticEx.h"
#include "program/Commands.h"

namespace harbinet::test {
namespace {

void Click(ui::CStaticEx* button) {
    SendMouse(button, wxEVT_LEFT_DOWN);
    FlushEvents();
}

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

TEST_F(FrameTest, TerrainSetsAreDeletedAddedAndModifiedFromTheTray) {
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=2\n[TerrainSets]\nTerrain1=Channel Front\n"
        "Seasons1=1\nTerrain2=Med\nTerrain10=Pacific\nObjectsLow10=1\n");
    WriteFile(game.Own() + "Terrain/Med/MAP.TER", "med");
    game.ui.answer = true;
    ModalHook user([&](wxDialog& d) {
        const std::string title = d.GetTitle().utf8_string();
        if (title == "Add Terrain Set") {
            auto& edit = static_cast<TerrainSetEditDialog&>(d);
            edit.NameField()->ChangeValue(" Burma ");
            edit.SeasonsCheck()->SetValue(true);
            Click(edit.OkButton());
        } else if (title == "Modify Terrain Set") {
            auto& edit = static_cast<TerrainSetEditDialog&>(d);
            EXPECT_EQ(edit.NameField()->GetValue(), "Pacific");
            EXPECT_FALSE(edit.NameField()->IsEnabled());
            EXPECT_TRUE(edit.ObjectsLowCheck()->GetValue());
            edit.ObjectsLowCheck()->SetValue(false);
            edit.SeasonsCheck()->SetValue(true);
            Click(edit.OkButton());
        } else if (title == TerrainSetsDialog::kTitle) {
            auto& sets = static_cast<TerrainSetsDialog&>(d);
            wxListCtrl* list = sets.List();
            EXPECT_EQ(Column(list, 0), (std::vector<std::string>{"1", "10", "2"}));
            SelectRow(list, "2");
            Click(sets.Button(ui::Button::Delete));
            Click(sets.Button(ui::Button::Add));
            SelectRow(list, "10");
            wxListEvent activate(wxEVT_LIST_ITEM_ACTIVATED, list->GetId());
            activate.SetEventObject(list);
            list->GetEventHandler()->ProcessEvent(activate);
            EXPECT_EQ(Column(list, 1),
                      (std::vector<std::string>{"Channel Front", "Pacific", "Burma"}));
            EXPECT_EQ(Column(list, 2), (std::vector<std::string>{"Yes", "Yes", "Yes"}));
            EXPECT_EQ(Column(list, 3), (std::vector<std::string>{"No", "No", "No"}));
            SelectRow(list, "2");
            Click(sets.Button(ui::Button::Skins));
        }
    });
    frame->RunCommand(cmd::kConfigureTerrainSets);

    EXPECT_EQ(user.shown,
              (std::vector<std::string>{"Configure Terrain Sets", "Add Terrain Set",
                                        "Modify Terrain Set", "Configure Skins for Burma"}));
    const SettingsStore store = frame->State().Settings();
    EXPECT_EQ(store.TerrainSetName(2), "Burma");
    EXPECT_TRUE(store.TerrainSetHasSeasons(2) && store.TerrainSetHasSeasons(10));
    EXPECT_FALSE(store.TerrainSetObjectsLow(10));
    EXPECT_EQ(store.GetInt(settings::Key::TerrainSet), 2);
    EXPECT_EQ(ListFolder(game.Own() + "Terrain"), "Burma/ Med/ Pacific/");
    EXPECT_EQ(ListFolder(game.Own() + "Skins/Pacific"), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(ReadFile(game.Own() + "Terrain/Med/MAP.TER"), "med");
    ASSERT_FALSE(game.ui.messages.empty());  // after the note that the test display has no tray
    EXPECT_EQ(game.ui.messages.back(),
              "ask Delete Terrain Set: Do you really want to delete the Med Terrain Set?");
}

TEST(TerrainSetEditDialog, AddTakesOnlyAUsableNameAndCancelKeepsTheValuesGiven) {
    GameFolder game;
    WriteFile(game.Settings(), "[TerrainSets]\nTerrain1=Channel Front\n");
    const auto state = game.MakeState();
    TerrainSetEditDialog add(*state, true, nullptr);
    ModalHook typing([&](wxDialog&) {
        Click(add.OkButton());  // no name: nothing happens
        add.NameField()->ChangeValue("CHANNEL FRONT");
        Click(add.OkButton());
        EXPECT_TRUE(add.IsShown());
        add.NameField()->SetFocus();
        add.NameField()->SelectAll();
        for (int i = 0; i < 70; ++i) add.NameField()->WriteText("x");  // typed
        EXPECT_EQ(add.NameField()->GetValue().size(), 60u);
        Click(add.OkButton());
    });
    EXPECT_EQ(ui::RunDialog(add), wxID_OK);
    EXPECT_EQ(add.SetName(), std::string(60, 'x'));
    EXPECT_EQ(game.ui.messages,
              std::vector<std::string>{"error Harbinet Error: There is already a terrain set named "
                                       "\"Channel Front\" (letter case does not count in folder "
                                       "names)"});

    TerrainSetEditDialog modify(*state, false, nullptr, "Channel Front", true, false);
    ModalHook cancel([&](wxDialog&) {
        modify.SeasonsCheck()->SetValue(false);
        wxCommandEvent close(wxEVT_BUTTON, wxID_CANCEL);
        modify.GetEventHandler()->ProcessEvent(close);
    });
    EXPECT_EQ(modify.GetTitle(), "Modify Terrain Set");
    EXPECT_EQ(ui::RunDialog(modify), wxID_CANCEL);
    EXPECT_TRUE(modify.HasSeasons());
}

}  // namespace
}  // namespace harbinet::test
