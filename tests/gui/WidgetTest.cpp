// The controls and pictures every dialog is made of, the keys every dialog answers, and the
// About and Set Active Career dialogs.
#include <wx/palette.h>
#include <wx/uiaction.h>

#include <cstdlib>

#include "gui/GuiSupport.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/SetActiveCareerDialog.h"
#include "gui/widgets/Art.h"
#include "gui/widgets/DialogLook.h"
#include "gui/widgets/Picture.h"
#include "gui/widgets/StaticEx.h"

namespace harbinet::test {
namespace {

using ui::StaticEx;

// Left half red, right half blue; with a palette, as wx writes GIFs only then.
wxImage RedBlue(int w, int h) {
    wxImage image(w, h);
    image.SetRGB(wxRect(0, 0, w / 2, h), 255, 0, 0);
    image.SetRGB(wxRect(w / 2, 0, w - w / 2, h), 0, 0, 255);
    unsigned char red[] = {255, 0}, green[] = {0, 0}, blue[] = {0, 255};
    image.SetPalette(wxPalette(2, red, green, blue));
    return image;
}

// JPEG and scaling blur the edges a little.
bool Near(const wxColour& a, const wxColour& b) {
    return std::abs(a.Red() - b.Red()) + std::abs(a.Green() - b.Green()) +
               std::abs(a.Blue() - b.Blue()) <
           90;
}

class StaticExTest : public ::testing::Test {
  protected:
    void SetUp() override {
        frame->Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { commands.push_back(e.GetId()); });
    }
    void TearDown() override { frame->Destroy(); }
    StaticEx* Make() {
        return new StaticEx(frame, wxID_ANY, wxPoint(0, 0), wxSize(40, 100), 0, &desktop);
    }

    wxFrame* frame = new wxFrame(nullptr, wxID_ANY, "parent");
    RecordingDesktop desktop;
    std::vector<int> commands;  // reaching the parent
};

// Real clicks through the display: a double click is one click, one command.
TEST_F(StaticExTest, AClickOrADoubleClickPostsItsCommandOnceWithTheClickSound) {
    StaticEx* button = Make();
    button->SetCommand(133, nullptr, false, false);
    StaticEx* other = new StaticEx(frame, wxID_ANY, wxPoint(50, 0), wxSize(40, 100), 0, &desktop);
    other->SetCommand(134, nullptr, false, false);
    frame->Show();
    ASSERT_TRUE(RunEventsUntil([&] { return button->IsShownOnScreen(); }));
    wxUIActionSimulator mouse;
    mouse.MouseMove(button->GetScreenRect().GetPosition() + wxPoint(10, 10));
    mouse.MouseDblClick();
    mouse.MouseMove(other->GetScreenRect().GetPosition() + wxPoint(10, 10));
    mouse.MouseClick();
    // The clicks arrive in order: once the second button has acted, the first is done.
    ASSERT_TRUE(RunEventsUntil([&] { return !commands.empty() && commands.back() == 134; }));
    EXPECT_EQ(commands, (std::vector<int>{133, 134}));
    EXPECT_EQ(desktop.sounds.size(), 2u);
}

// The hover colour shows while the mouse is over a line; a link opens its target, posting nothing.
TEST_F(StaticExTest, HoverShowsTheHoverColourAndALinkOpensItsTarget) {
    StaticEx* line = Make();
    const wxString text = "Meyer, Hans";
    line->SetTextColour(wxColour(0x00, 0x00, 0x80));
    line->SetHoverColour(wxColour(0xFF, 0x00, 0x00));
    line->SetCommand(201, &text, true, true);
    SendMouse(line, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(line->CurrentTextColour(), wxColour(255, 0, 0));
    SendMouse(line, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(line->CurrentTextColour(), wxColour(0, 0, 128));

    StaticEx* link = Make();
    const wxString target = "mailto:someone@example.org";
    link->SetLink("someone@example.org", &target);
    SendMouse(link);
    EXPECT_EQ(desktop.opened, std::vector<std::string>{"mailto:someone@example.org"});
    EXPECT_EQ(commands, std::vector<int>{});
}

// A square picture in a tall frame fills its width, centred, in its own proportions.
TEST_F(StaticExTest, APictureTileShowsItsPictureInItsProportionsInsteadOfItsText) {
    TempDir dir;
    ASSERT_TRUE(RedBlue(2, 2).SaveFile(wxString::FromUTF8(dir / "p.gif"), wxBITMAP_TYPE_GIF));
    StaticEx* tile = Make();
    tile->SetLabel("never shown");
    tile->LoadPicture(dir / "p.gif");
    const wxImage shown = Drawn(wxSize(40, 100), [&](wxDC& dc) { tile->Render(dc); });
    EXPECT_TRUE(Near(PixelAt(shown, 2, 67), *wxRED));
    EXPECT_TRUE(Near(PixelAt(shown, 37, 32), *wxBLUE));
    EXPECT_FALSE(Near(PixelAt(shown, 2, 95), *wxRED)) << "not stretched";
}

class PaperDialog : public ui::DialogLook {
  public:
    PaperDialog() : DialogLook(nullptr, "paper", ui::Look{}, wxSize(100, 60), nullptr) {
        InitLook(ui::Background::Paper);
    }
};

TEST(DialogLook, ControlsShowThePaperUnderThemAndButtonsTheirPlates) {
    PaperDialog dialog;
    const wxImage paper = ui::EmbeddedImage(ui::kPaperTexture);
    // Beyond the first tile the texture starts again.
    const wxImage under = Drawn(wxSize(20, 20), [&](wxDC& dc) {
        dialog.DrawBackgroundUnder(dc, wxRect(290, 225, 20, 20));
    });
    EXPECT_EQ(PixelAt(under, 0, 0), PixelAt(paper, 290, 225));
    EXPECT_EQ(PixelAt(under, 10, 5), PixelAt(paper, 0, 0));
    StaticEx* button = dialog.AddButton(ui::Button::Skins, 0, 0);
    const wxImage plate = ui::ButtonBitmap(ui::Button::Skins).ConvertToImage();
    const wxImage shown = Drawn(wxSize(70, 36), [&](wxDC& dc) { button->Render(dc); });
    EXPECT_EQ(PixelAt(shown, 0, 0), PixelAt(paper, 0, 0));  // a white corner
    EXPECT_EQ(PixelAt(shown, 35, 18), PixelAt(plate, 35, 18));
    EXPECT_NE(PixelAt(shown, 35, 18), PixelAt(paper, 35, 18));
}

// The GIF decoder itself is the core's (its tests are there).
TEST(DecodePicture, ReadsGifAndJpegByTheirContentAndNothingElse) {
    TempDir dir;
    ASSERT_TRUE(RedBlue(8, 6).SaveFile(wxString::FromUTF8(dir / "gif"), wxBITMAP_TYPE_GIF));
    ASSERT_TRUE(RedBlue(16, 8).SaveFile(wxString::FromUTF8(dir / "jpeg.GIF"), wxBITMAP_TYPE_JPEG));
    ASSERT_TRUE(RedBlue(8, 8).SaveFile(wxString::FromUTF8(dir / "c.png"), wxBITMAP_TYPE_PNG));
    for (auto [name, size] :
         {std::pair{"gif", wxSize(8, 6)}, {"jpeg.GIF", wxSize(16, 8)}, {"c.png", wxDefaultSize}}) {
        const wxImage picture = ui::DecodePicture(dir / name);
        EXPECT_EQ(picture.IsOk() ? picture.GetSize() : wxDefaultSize, size) << name;
        EXPECT_TRUE(!picture.IsOk() || Near(PixelAt(picture, 1, 1), *wxRED)) << name;
    }
}

TEST(DrawTransparentBitmap, LeavesOutExactlyTheKeyColour) {
    wxImage image(2, 1);
    image.SetRGB(0, 0, 255, 255, 255);
    image.SetRGB(1, 0, 254, 255, 255);
    const wxBitmap bitmap(image);
    const wxImage shown =
        Drawn(wxSize(2, 1), [&](wxDC& dc) { ui::DrawTransparentBitmap(dc, bitmap, 0, 0); });
    EXPECT_EQ(PixelAt(shown, 0, 0), *wxGREEN);
    EXPECT_EQ(PixelAt(shown, 1, 0), wxColour(254, 255, 255));
    EXPECT_EQ(bitmap.GetMask(), nullptr);  // the caller's bitmap is left as it was
}

TEST(SetActiveCareerDialog, TheFirstTenCareersGetLinesTheActiveOneInBlack) {
    GameFolder game;
    std::vector<std::string> paths;
    for (int i = 1; i <= 12; ++i)
        paths.push_back(game.AddCareer("C" + std::to_string(100 + i) + ".SVE",
                                       {.name1 = "Pilot", .name2 = "N" + std::to_string(i)}));
    SetActiveCareerDialog dialog(game.Game(), paths[1], nullptr, game.ui, &game.desktop);
    EXPECT_EQ(dialog.CareerPathList(), paths);
    for (int i = 0; i < SetActiveCareerDialog::kLines; ++i) {
        EXPECT_EQ(dialog.Line(i)->GetLabel(), Format("1 June, 1943  N%d, Pilot", i + 1));
        EXPECT_EQ(dialog.Line(i)->CurrentTextColour(), i == 1 ? *wxBLACK : wxColour(0, 0, 128));
    }
}

// The picture buttons never take the focus: the dialog itself answers the keys.
TEST(DialogLook, EscapeClosesWithCancelOrALoneOkReturnAcceptsWhereThereIsAnOk) {
    GameFolder game;
    // The key, and what About (OK alone) and Set Active Career (Cancel alone) end with.
    const std::tuple<int, int, int> cases[] = {{WXK_ESCAPE, wxID_OK, wxID_CANCEL},
                                               {WXK_RETURN, wxID_OK, wxID_ABORT},
                                               {'A', wxID_ABORT, wxID_ABORT}};
    for (const auto& [key, about, career] : cases) {
        ModalHook press([key = key](wxDialog& dialog) {
            wxKeyEvent event(wxEVT_CHAR_HOOK);
            event.m_keyCode = key;
            event.SetEventObject(&dialog);
            dialog.GetEventHandler()->ProcessEvent(event);
        });
        EXPECT_EQ(AboutDialog(game.Own(), nullptr, &game.desktop).ShowModal(), about) << key;
        SetActiveCareerDialog list(game.Game(), "", nullptr, game.ui, &game.desktop);
        EXPECT_EQ(list.ShowModal(), career) << key;
    }
}

}  // namespace
}  // namespace harbinet::test
