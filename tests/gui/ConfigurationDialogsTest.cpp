// The external applications dialogs and the Configure dialog, opened from the tray and driven
// as a user drives them.
#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "gui/GuiSupport.h"
#include "gui/dialogs/ConfigureDialog.h"
#include "gui/dialogs/ExternalAppsDialog.h"
#include "gui/widgets/Ids.h"

namespace harbinet::test {
namespace {

TEST_F(FrameTest, ExternalApplicationsAreAddedModifiedAndDeletedAtOnce) {
    WriteFile(game.Game() + "TOOLS/ECA.EXE", "MZ");
    Start(
        "[Harbinet]\nVersion=22\nMode=0\n[External]\nApp1Desc=Panel\nApp1EXE=P.EXE\n"
        "App2Desc=Two\nApp2EXE=2.EXE\nApp10Desc=Ten\nApp10EXE=10.EXE\n");
    WriteFile(game.Own() + "10.EXE", "MZ");
    std::string before, after;
    int edits = 0;
    ModalHook user([&](wxDialog& shown) {
        if (auto* list = dynamic_cast<ExternalAppsDialog*>(&shown)) {
            before = Rows(*list->List(), {0, 1, 2});
            Press(shown, ui::id::kAddCommand);
            SelectRow(*list->List(), 1, true);  // double click: modify
            SelectRow(*list->List(), 0);
            game.ui.answer = true;
            Press(shown, ui::id::kDeleteCommand);
            after = Rows(*list->List(), {0, 1, 2});
            return;
        }
        auto& edit = dynamic_cast<ExternalAppEditDialog&>(shown);
        if (edits++ == 0) {
            EXPECT_EQ(shown.GetTitle(), "Add External Application");
            edit.ExecutableEdit()->SetValue("TOOLS/ECA.EXE");
            Press(shown, wxID_OK);  // no description: ignored without a word
            edit.DescriptionEdit()->SetValue("ECA Panel");
            Press(shown, wxID_OK);  // not where the launcher looks
            edit.ExecutableEdit()->SetValue("..\\TOOLS\\ECA.EXE");
        } else {
            EXPECT_EQ(shown.GetTitle(), "Modify External Application");
            EXPECT_EQ(edit.DescriptionEdit()->GetValue(), "Ten");
            edit.DescriptionEdit()->SetValue("Tenth");
        }
        Press(shown, wxID_OK);
    });
    frame->RunCommand(cmd::kConfigureExternalApps);

    EXPECT_EQ(before, "1|Panel|P.EXE;10|Ten|10.EXE;2|Two|2.EXE;");
    EXPECT_EQ(after, "10|Tenth|10.EXE;2|Two|2.EXE;3|ECA Panel|..\\TOOLS\\ECA.EXE;");
    // The slots the settings file has, in case the list shows rows the file does not.
    EXPECT_EQ(game.Values("External", {"App3EXE", "App10Desc", "App1Desc"}),
              "..\\TOOLS\\ECA.EXE|Tenth||");
    EXPECT_EQ(game.ui.messages,
              (std::vector<std::string>{
                  "error Harbinet Error: The executable TOOLS/ECA.EXE does not exist",
                  "ask Delete External Application: Do you really want to delete Panel?"}));
}

TEST_F(FrameTest, ConfigureStoresTheOptionsAfterCheckingThePatternLists) {
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nSavedObjectDetail=2\nTerrainFiles=*.TER\n"
        "SkinFiles=P*.TPC\nCommonFiles=\n");
    ModalHook user([&](wxDialog& shown) {
        auto& dialog = dynamic_cast<ConfigureDialog&>(shown);
        wxTextCtrl* terrain = dialog.PatternEdit(ConfigureDialog::kTerrainFiles);
        EXPECT_FALSE(dialog.AdvancedMode()->GetValue());
        EXPECT_FALSE(terrain->IsEnabled());
        dialog.AdvancedMode()->SetValue(true);
        wxCommandEvent clicked(wxEVT_CHECKBOX, dialog.AdvancedMode()->GetId());
        clicked.SetInt(1);
        dialog.AdvancedMode()->GetEventHandler()->ProcessEvent(clicked);
        EXPECT_TRUE(terrain->IsEnabled());
        terrain->SetValue("*.TER,");
        Press(shown, wxID_OK);  // refused: the dialog stays open
        terrain->SetValue("*.TER,GRAS*.TPC");
        dialog.FlagBox(ConfigureDialog::kClickDefault)->SetValue(true);
        dialog.FlagBox(ConfigureDialog::kLoadOnStart)->SetValue(true);
        wxRadioButton* medium = dialog.DetailButton(1);
        medium->SetValue(true);
        wxCommandEvent picked(wxEVT_RADIOBUTTON, medium->GetId());
        medium->GetEventHandler()->ProcessEvent(picked);
        Press(shown, wxID_OK);
    });
    frame->RunCommand(cmd::kConfigure);
    EXPECT_EQ(game.Values("Harbinet", {"ClickDefault", "LoadOnStart", "SavedObjectDetail",
                                       "TerrainFiles", "CommonFiles"}),
              "1|1|1|*.TER,GRAS*.TPC||");
    EXPECT_EQ(game.ui.messages,
              std::vector<std::string>{"error Harbinet Error: The file types specified for "
                                       "Terrain are invalid or incorrectly formatted"});
}

}  // namespace
}  // namespace harbinet::test
