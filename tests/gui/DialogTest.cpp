#include "gui/GuiSupport.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/SetActiveCareerDialog.h"
#include "gui/widgets/StaticEx.h"

namespace harbinet::test {
namespace {

TEST(SetActiveCareerDialog, TheFirstTenCareersGetLinesTheActiveOneInBlack) {
    GameFolder game;
    std::vector<std::string> paths;
    for (int i = 1; i <= 12; ++i)
        paths.push_back(game.AddCareer("C" + std::to_string(100 + i) + ".SVE",
                                       {.name1 = "Pilot", .name2 = "N" + std::to_string(i)}));
    SetActiveCareerDialog dialog(game.Game(), paths[1], nullptr, game.ui, &game.desktop);
    EXPECT_EQ(dialog.CareerPathList(), paths);
    for (int i = 0; i < SetActiveCareerDialog::kLines; ++i) {
        ui::CStaticEx* line = dialog.Line(i);
        EXPECT_EQ(line->GetLabel().utf8_string(),
                  "1 June, 1943  N" + std::to_string(i + 1) + ", Pilot");
        EXPECT_EQ(line->CurrentTextColour(), i == 1 ? *wxBLACK : wxColour(0, 0, 128)) << i;
    }
    EXPECT_EQ(game.ui.messages, std::vector<std::string>{});
}

TEST(AboutDialog, ReadmeOpensTheManualAndTheDialogStaysOpen) {
    GameFolder game;
    AboutDialog dialog(game.Own(), nullptr, &game.desktop);
    ModalHook readme([&](wxDialog&) { SendMouse(dialog.ReadmeButton(), wxEVT_LEFT_DOWN); });
    EXPECT_EQ(dialog.ShowModal(), wxID_ABORT);
    EXPECT_EQ(game.desktop.opened, std::vector<std::string>{game.Own() + "Harbinet ReadMe.RTF"});
}

// The picture buttons never take the focus: the dialog itself answers the keys.
TEST(DialogLook, EscapeClosesWithCancelOrALoneOkReturnAcceptsWhereThereIsAnOk) {
    GameFolder game;
    const struct {
        int key;
        int about;   // OK alone
        int career;  // Cancel alone
    } cases[] = {{WXK_ESCAPE, wxID_OK, wxID_CANCEL},
                 {WXK_RETURN, wxID_OK, wxID_ABORT},
                 {WXK_NUMPAD_ENTER, wxID_OK, wxID_ABORT},
                 {'A', wxID_ABORT, wxID_ABORT}};
    for (const auto& c : cases) {
        ModalHook press([&](wxDialog& dialog) {
            wxKeyEvent event(wxEVT_CHAR_HOOK);
            event.m_keyCode = c.key;
            event.SetEventObject(&dialog);
            dialog.GetEventHandler()->ProcessEvent(event);
        });
        AboutDialog about(game.Own(), nullptr, &game.desktop);
        EXPECT_EQ(about.ShowModal(), c.about) << c.key;
        SetActiveCareerDialog career(game.Game(), "", nullptr, game.ui, &game.desktop);
        EXPECT_EQ(career.ShowModal(), c.career) << c.key;
    }
}

}  // namespace
}  // namespace harbinet::test
