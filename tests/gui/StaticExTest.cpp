#include "ui/StaticEx.h"

#include <gtest/gtest.h>
#include <wx/settings.h>

#include <memory>

#include "gui/GuiHelpers.h"
#include "support/Recorder.h"
#include "support/TempDir.h"
#include "ui/DialogLook.h"

namespace harbinet::test {
namespace {

using ui::CStaticEx;

class StaticExTest : public ::testing::Test {
  protected:
    void TearDown() override { frame->Destroy(); }

    CStaticEx* Make(wxPoint pos = wxPoint(50, 10), wxSize size = wxSize(200, 30), long style = 0) {
        return new CStaticEx(frame, wxID_ANY, pos, size, style, &desktop);
    }
    int TextWidth(CStaticEx* c, const wxString& text) {
        int w = 0, h = 0;
        c->GetTextExtent(text, &w, &h, nullptr, nullptr, &c->LabelFont());
        return w;
    }

    RecordingDesktop desktop;
    CommandFrame* frame = new CommandFrame;
};

TEST_F(StaticExTest, ButtonClickQueuesOneCommandAndPlaysTheClick) {
    CStaticEx* button = Make();
    button->SetCommand(133, nullptr, false, false);
    button->SetRightCommand(300);
    CStaticEx* plain = Make(wxPoint(0, 100));  // a plain static ignores clicks
    plain->SetLabel("Contact Email:");
    SendMouse(plain, wxEVT_LEFT_DOWN);
    SendMouse(plain, wxEVT_RIGHT_DOWN);

    SendMouse(button, wxEVT_LEFT_DOWN);
    EXPECT_TRUE(frame->commands.empty()) << "the parent must act after the click handling";
    RunQueuedEvents();
    EXPECT_EQ(frame->commands, std::vector<int>{133});
    ASSERT_EQ(desktop.sounds.size(), 1u);
    EXPECT_TRUE(desktop.sounds[0].ends_with("/CLICK.WAV"));
    EXPECT_TRUE(desktop.opened.empty());

    SendMouse(button, wxEVT_RIGHT_DOWN);  // the right command only
    RunQueuedEvents();
    EXPECT_EQ(frame->commands, (std::vector<int>{133, 300}));
}

TEST_F(StaticExTest, LinkOpensItsTargetSilentlyAndPostsNothing) {
    CStaticEx* link = Make();
    wxString target = "mailto:someone@example.org?Subject=Harbinet 2.2b";
    link->SetLink("someone@example.org", &target);

    SendMouse(link, wxEVT_LEFT_DOWN);
    RunQueuedEvents();

    EXPECT_EQ(desktop.opened, std::vector<std::string>{target.utf8_string()});
    EXPECT_TRUE(desktop.sounds.empty());
    EXPECT_TRUE(frame->commands.empty());
    EXPECT_EQ(link->CurrentTextColour(), wxColour(0, 0, 255));
    EXPECT_TRUE(link->LabelFont().GetUnderlined());
    EXPECT_EQ(link->GetSize().x, TextWidth(link, "someone@example.org"));
    EXPECT_TRUE(link->GetCursor().IsOk());

    // Without a target the text itself is opened; hovering never changes its colour.
    CStaticEx* bare = Make(wxPoint(10, 60));
    bare->SetLink("https://example.org/");
    SendMouse(bare, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(bare->CurrentTextColour(), wxColour(0, 0, 255));
    SendMouse(bare, wxEVT_LEFT_DOWN);
    EXPECT_EQ(desktop.opened.back(), "https://example.org/");
}

TEST_F(StaticExTest, AutoSizeKeepsTheEdgeOfItsAlignment) {
    const wxString text = "3 September, 1943  Meyer, Hans";
    CStaticEx* left = Make(wxPoint(50, 10), wxSize(200, 30));
    CStaticEx* right = Make(wxPoint(50, 50), wxSize(200, 30), CStaticEx::kRight);
    CStaticEx* centre =
        Make(wxPoint(50, 90), wxSize(201, 30), CStaticEx::kCentre | CStaticEx::kCentreVertical);
    for (CStaticEx* c : {left, right, centre}) c->SetCommand(200, &text, true, true);
    const int width = TextWidth(left, text);
    int textHeight = 0;
    left->GetTextExtent(text, nullptr, &textHeight, nullptr, nullptr, &left->LabelFont());

    EXPECT_EQ(left->GetRect(), wxRect(50, 10, width, textHeight));
    EXPECT_EQ(right->GetRect().GetRight(), 249);
    EXPECT_EQ(right->GetSize().x, width);
    EXPECT_EQ(right->GetPosition().y, 50);
    // Centred: the same amount comes off each side, so the centre stays within rounding.
    const wxRect c = centre->GetRect();
    EXPECT_EQ(c.x - 50, 250 - c.GetRight());
    EXPECT_LE(c.width - width, 1);
    EXPECT_EQ(c.y - 90, 119 - c.GetBottom());

    // Without auto-size the text changes but not the rectangle.
    CStaticEx* fixed = Make(wxPoint(50, 130));
    fixed->SetTextAndFit(text);
    EXPECT_EQ(fixed->GetRect(), wxRect(50, 130, 200, 30));
    EXPECT_EQ(fixed->GetLabel(), text);
}

TEST_F(StaticExTest, HoverSwitchesToTheHoverColourAndBack) {
    CStaticEx* line = Make();
    wxString text = "Meyer, Hans";
    line->SetTextColour(ui::ColourRef{0x800000});
    line->SetHoverColour(ui::ColourRef{0x0000FF});
    line->SetCommand(201, &text, true, true);
    EXPECT_EQ(line->CurrentTextColour(), wxColour(0, 0, 128));

    SendMouse(line, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(line->CurrentTextColour(), wxColour(255, 0, 0));
    SendMouse(line, wxEVT_MOTION, wxPoint(-3, 1));  // moved off without a leave event
    EXPECT_FALSE(line->IsHovering());
    EXPECT_EQ(line->CurrentTextColour(), wxColour(0, 0, 128));
    SendMouse(line, wxEVT_ENTER_WINDOW);
    SendMouse(line, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(line->CurrentTextColour(), wxColour(0, 0, 128));

    // Without HoverHighlight the colour stays.
    CStaticEx* still = Make(wxPoint(0, 100));
    still->SetTextColour(ui::ColourRef{0x800000});
    still->SetHoverColour(ui::ColourRef{0x0000FF});
    still->SetCommand(202, &text, true, false);
    SendMouse(still, wxEVT_ENTER_WINDOW);
    EXPECT_EQ(still->CurrentTextColour(), wxColour(0, 0, 128));
}

TEST_F(StaticExTest, PictureTileIsNotRepaintedOnHoverButTextIs) {
    TempDir dir;
    wxImage red(4, 4);
    red.SetRGB(wxRect(0, 0, 4, 4), 200, 0, 0);
    ASSERT_TRUE(red.SaveFile(wxString::FromUTF8(dir / "red.jpg"), wxBITMAP_TYPE_JPEG));

    CStaticEx* tile = Make();
    tile->LoadPicture(dir / "red.jpg");
    ASSERT_TRUE(tile->HasPicture());
    const int before = tile->RepaintRequests();
    SendMouse(tile, wxEVT_ENTER_WINDOW);
    SendMouse(tile, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(tile->RepaintRequests(), before);

    CStaticEx* text = Make(wxPoint(0, 100));
    text->SetLabel("label");
    const int textBefore = text->RepaintRequests();
    SendMouse(text, wxEVT_ENTER_WINDOW);
    SendMouse(text, wxEVT_LEAVE_WINDOW);
    EXPECT_EQ(text->RepaintRequests(), textBefore + 2);
}

// A dialog of the program's look with one CStaticEx label, for the colour rules.
class RuleDialog : public ui::CDialogLook {
  public:
    explicit RuleDialog(ui::ColourRule rule)
        : CDialogLook(nullptr, "rule", ui::Look{ui::DialogFace::ComicSans, rule, false},
                      wxSize(100, 50), nullptr) {
        label = new CStaticEx(this, wxID_ANY, wxPoint(5, 5), wxSize(80, 14), 0, nullptr);
        label->SetLabel("Label");
        label->SetTextColour(ui::ColourRef{0x0000FF});
    }
    CStaticEx* label;
};

TEST(StaticExColourRule, OwnColourOnlyWhereTheDialogConsultsTheControl) {
    const wxColour own(255, 0, 0);
    const wxColour standard = wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOWTEXT);
    for (auto [rule, expected] : {std::pair{ui::ColourRule::A, standard},
                                  {ui::ColourRule::B, standard},
                                  {ui::ColourRule::C, standard},
                                  {ui::ColourRule::D, own},
                                  {ui::ColourRule::E, own},
                                  {ui::ColourRule::F, own}}) {
        auto* dialog = new RuleDialog(rule);
        EXPECT_EQ(dialog->label->CurrentTextColour(), expected)
            << "rule " << static_cast<int>(rule);
        dialog->Destroy();
    }
}

}  // namespace
}  // namespace harbinet::test
