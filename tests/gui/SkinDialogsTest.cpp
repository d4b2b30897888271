// The skin dialogs driven through their buttons, checked on the catalogue's files.
#include <wx/choice.h>
#include <wx/textctrl.h>

#include "gui/GuiSupport.h"
#include "gui/dialogs/ConfigureSkinsDialog.h"
#include "gui/dialogs/SkinEditDialog.h"
#include "gui/dialogs/TerrainSkinsDialog.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/RunDialog.h"
#include "gui/widgets/StaticEx.h"
#include "platform/Profile.h"
#include "platform/UserFolders.h"
#include "program/Commands.h"

namespace harbinet::test {
namespace {

// The file the user picks in the system's file dialog.
class PickingDialog : public ConfigureSkinsDialog {
  public:
    PickingDialog(ProgramState& state, std::string file)
        : ConfigureSkinsDialog(state, nullptr), file_(std::move(file)) {}
    std::string PickSkinFile(const std::string& start) override {
        starts.push_back(start);
        return file_;
    }
    std::vector<std::string> starts;  // where each file dialog opened

  private:
    std::string file_;
};

TEST(ConfigureSkinsDialog, AddModifyAndDeleteWriteTheCatalogueAtOnce) {
    GameFolder game;
    WriteFile(game.Settings(), "[Harbinet]\nSkinFiles=P*.TPC,*.3DZ\n");
    auto state = game.MakeState();
    const std::string store = state->SkinCatalogueFolder, download = game.Game() + "dl/";
    WriteFile(store + "Skins.INI", "[Skins]\nSkinCount=2\n");
    WriteFile(store + "1.DAT", "[Skin]\nBaseModel=SP2A\nModel=Spit\nUnit=19 Sqn\n");
    WriteFile(store + "2.DAT", "[Skin]\nBaseModel=190A\nModel=Anton\nUnit=JG 2\n");
    for (const char* name : {"p109etex.tpc", "P109E.3DZ", "readme.txt", "shot.jpg"})
        WriteFile(download + name, name);
    const std::string downloads = files::HomeFolder() + "Downloads/";
    MakeFolder(downloads);
    PickingDialog dialog(*state, download + "p109etex.tpc");
    wxListCtrl& list = *dialog.List();
    EXPECT_EQ(Rows(list, {0, 5}), "Anton|2;Spit|1;");

    // The first OK, with Model and Unit still empty, says so and waits for the Model.
    ModalHook edit([&](wxDialog& d) {
        auto& form = static_cast<SkinEditDialog&>(d);
        if (form.GetTitle() == "Add Skin") {
            EXPECT_EQ(form.YearList()->GetStringSelection(), "1940");
            form.UnitBox()->SetFocus();
            Press(form, wxID_OK);
            EXPECT_TRUE(form.IsShown());
            EXPECT_TRUE(RunEventsUntil([&] { return form.ModelBox()->HasFocus(); }));
            form.ModelBox()->SetValue("Emil");
            form.UnitBox()->SetValue("JG 26");
        } else {
            EXPECT_EQ(form.ModelBox()->GetValue(), "Emil");
            form.ModelBox()->SetValue("Bf 109E");
            form.YearList()->SetSelection(6);
        }
        Press(form, wxID_OK);
    });
    game.ui.answer = true;  // to what the skin takes from the download folder
    Press(dialog, ui::id::kAddCommand);
    EXPECT_EQ(dialog.starts, std::vector<std::string>{downloads}) << "no download folder yet";
    EXPECT_EQ(Rows(list, {0, 5}), "Anton|2;Emil|3;Spit|1;");
    EXPECT_EQ(game.desktop.opened, std::vector<std::string>{download + "readme.txt"});
    EXPECT_EQ(dialog.Status()->GetLabel(), "Skin 3 added with 2 files");
    EXPECT_EQ(SkinCatalogue(store).InitialFolder(), download);

    // Modify opens on a double click; the changed Model moves the row.
    SelectRow(list, 1, true);
    EXPECT_EQ(Rows(list, {0, 5}), "Anton|2;Bf 109E|3;Spit|1;");
    EXPECT_EQ(profile::GetString(store + "3.DAT", "Skin", "Year", ""), "1945");

    SelectRow(list, 1);
    Press(dialog, ui::id::kDeleteCommand);
    EXPECT_EQ(Rows(list, {0, 5}), "Anton|2;Spit|1;");
    EXPECT_EQ(
        game.ui.messages,
        (std::vector<std::string>{
            "ask Add Skin: Harbinet takes these files from " + download +
                ":\n  p109etex.tpc\n  P109E.3DZ\n  shot.jpg\n  readme.txt\n\nDo you want to "
                "add this skin?",
            "error Harbinet Error: Model cannot be empty",
            "ask Delete Skin: Do you really want to delete the Skin for the Bf 109E, JG "
            "26?\n(This will also delete ALL files associated with this Skin from your PC!)"}));
}

// Typing stops at the limits; a text longer already is refused at OK, not cut.
TEST(SkinEditDialog, LimitsHoldWhileTypingAndATooLongTextKeepsTheDialogOpen) {
    GameFolder game;
    SkinRecord record;
    record.model = record.unit = record.location = "x";
    record.pilot = std::string(90, 'p');
    SkinEditDialog form(SkinEditDialog::Mode::Modify, "", "", record, nullptr, game.ui,
                        &game.desktop);
    EXPECT_EQ(form.YearList()->GetSelection(), wxNOT_FOUND);
    for (int i = 0; i < 300; ++i) form.AuthorBox()->WriteText("k");
    EXPECT_EQ(form.AuthorBox()->GetValue().length(), 80u);
    EXPECT_EQ(form.PilotBox()->GetValue().length(), 90u);

    ModalHook ok([&](wxDialog&) {
        Press(form, wxID_OK);
        EXPECT_TRUE(form.IsShown());
        form.PilotBox()->SetValue("Galland");
        Press(form, wxID_OK);
    });
    EXPECT_EQ(ui::RunDialog(form), wxID_OK);
    EXPECT_EQ(game.ui.messages,
              std::vector<std::string>{"error Harbinet Error: Pilot takes at most 80 bytes (a "
                                       "letter outside A to Z takes two or more)"});
    EXPECT_EQ(form.Record().pilot, "Galland");
    EXPECT_EQ(form.Record().year, 0u) << "no year offered, none invented";
}

// Skins 2 and 5 are Emils, 3 a Gustav; set 1 has seasons and the autumn is installed. A left
// click steps to the model's next skin, a right click back (the walk is the catalogue's to test).
TEST_F(FrameTest, TerrainSkinChoicesAreStagedOnOkAndTheSeasonInstalledAgain) {
    const std::string store = game.Own() + "Vandelholt/";
    WriteFile(store + "Skins.INI", "[Skins]\nSkinCount=5\n");
    for (const char* n : {"2", "3", "5"}) {
        WriteFile(store + n + ".DAT", std::string("[Skin]\nBaseModel=") +
                                          (n[0] == '3' ? "109G" : "109e") + "\nModel=M" + n +
                                          "\nUnit=U\nPilot=P\nLocation=L\nYear=1940\n");
        WriteFile(store + n + "_P109ETEX.TPC", n);
    }
    WriteFile(game.Own() + "Terrain/Channel Front/Autumn/MAP.TER", "Autumn");
    for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
        MakeFolder(game.Own() + "Skins/Channel Front/" + season);
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=1\nTerrain=3\nCopySkins=1\nTerrainFiles=*.TER\n"
        "SkinFiles=P*.TPC\n"
        "[TerrainSets]\nTerrain1=Channel Front\nSeasons1=1\n");
    using Dialog = TerrainSkinsDialog;
    auto caption = [](Dialog& d, int k) { return d.Caption(k)->GetLabel().utf8_string(); };

    ModalHook choose([&](wxDialog& window) {
        auto& d = static_cast<Dialog&>(window);
        EXPECT_EQ(caption(d, 0), "P-38H");
        EXPECT_FALSE(d.PrevButton()->IsShown());
        for (int page = 1; page < 4; ++page) Press(d, ui::id::kNextCommand);
        EXPECT_FALSE(d.NextButton()->IsShown());
        EXPECT_FALSE(d.Tile(6)->IsShown());
        Press(d, ui::id::kPrevCommand);
        EXPECT_EQ(d.Page(), 3);
        SendMouse(d.Tile(0));
        EXPECT_EQ(caption(d, 0).substr(0, 2), "M2");
        SendMouse(d.Tile(0), wxEVT_RIGHT_DOWN);
        EXPECT_EQ(caption(d, 0), "Bf 109E-4");
        Press(d, ui::id::kSeasonCommand);
        Press(d, ui::id::kSeasonCommand);
        EXPECT_EQ(caption(d, 0), "Bf 109E-4") << "autumn has its own choices";
        SendMouse(d.Tile(0), wxEVT_RIGHT_DOWN);
        Press(d, wxID_OK);
    });
    frame->RunCommand(cmd::kTerrainSkins);
    EXPECT_EQ(ReadFile(game.Game() + "P109ETEX.TPC"), "5") << "staged, and autumn installed again";
    const std::string choices = ReadFile(store + "Channel Front.DAT");

    // RESET answered Yes, then CANCEL: nothing is written.
    game.ui.answer = true;
    ModalHook cancel([&](wxDialog& d) {
        Press(d, ui::id::kResetCommand);
        EXPECT_EQ(caption(static_cast<Dialog&>(d), 0), "P-38H");
        Press(d, wxID_CANCEL);
    });
    frame->RunCommand(cmd::kTerrainSkins);
    EXPECT_EQ(ReadFile(store + "Channel Front.DAT"), choices);
    EXPECT_EQ(game.ui.messages.back().substr(0, 23), "ask Reset Terrain Skins");
}

}  // namespace
}  // namespace harbinet::test
