#include "ui/DialogLook.h"

#include <gtest/gtest.h>

#include "gui/GuiHelpers.h"
#include "ui/Art.h"
#include "ui/StaticEx.h"

namespace harbinet::test {
namespace {

class PaperDialog : public ui::CDialogLook {
  public:
    PaperDialog()
        : CDialogLook(nullptr, "paper",
                      ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::A, true}, wxSize(100, 60),
                      nullptr) {
        InitLook(ui::Background::Paper);
    }
};

TEST(DialogLook, PaperTilesFromTheTopLeftAndClipsTheLastColumn) {
    const wxImage tile = ui::EmbeddedImage(ui::kPaperTexture);
    ASSERT_EQ(tile.GetSize(), wxSize(300, 230));
    auto* dialog = new PaperDialog;
    // A client 301 pixels wide shows a second column one pixel wide, and a second row.
    wxImage shown = Drawn(wxSize(301, 240), *wxGREEN, [&](wxDC& dc) {
        ui::TileBitmap(dc, dialog->BackgroundBitmap(), wxSize(301, 240));
    });
    for (int y : {0, 57, 229}) {
        EXPECT_EQ(PixelAt(shown, 300, y), PixelAt(tile, 0, y)) << y;
        EXPECT_EQ(PixelAt(shown, 299, y), PixelAt(tile, 299, y)) << y;
        EXPECT_EQ(PixelAt(shown, 17, y), PixelAt(tile, 17, y)) << y;
    }
    EXPECT_EQ(PixelAt(shown, 5, 230), PixelAt(tile, 5, 0));
    EXPECT_EQ(PixelAt(shown, 300, 239), PixelAt(tile, 0, 9));

    // A child sees the part of the texture that lies under it.
    wxImage under = Drawn(wxSize(20, 20), *wxGREEN, [&](wxDC& dc) {
        dialog->DrawBackgroundUnder(dc, wxRect(290, 225, 20, 20));
    });
    EXPECT_EQ(PixelAt(under, 0, 0), PixelAt(tile, 290, 225));
    EXPECT_EQ(PixelAt(under, 10, 5), PixelAt(tile, 0, 0));
    dialog->Destroy();
}

TEST(DialogLook, ButtonsSitOnTheTextureWithTheirCommands) {
    auto* dialog = new PaperDialog;
    const std::pair<ui::Button, int> table[] = {
        {ui::Button::Ok, wxID_OK}, {ui::Button::Cancel, wxID_CANCEL}, {ui::Button::Add, 133},
        {ui::Button::Delete, 134}, {ui::Button::Readme, 135},         {ui::Button::Modify, 136},
        {ui::Button::Browse, 137}, {ui::Button::Skins, 139},          {ui::Button::Prev, 140},
        {ui::Button::Next, 141},   {ui::Button::Season, 143},         {ui::Button::Reset, 144}};
    const wxImage tile = ui::EmbeddedImage(ui::kPaperTexture);
    for (auto [button, command] : table) {
        ui::CStaticEx* control = dialog->AddButton(button, 10, 10);
        EXPECT_EQ(static_cast<int>(control->Command()), command);
        EXPECT_EQ(control->GetSize(), wxSize(70, 36));
        const wxImage plate = ui::ButtonBitmap(button).ConvertToImage();
        EXPECT_EQ(PixelAt(plate, 0, 0), *wxWHITE) << command;
        EXPECT_NE(PixelAt(plate, 35, 18), *wxWHITE) << command;
        // The white corner shows the paper under the button; the plate stays.
        wxImage shown = Drawn(wxSize(70, 36), *wxGREEN, [&](wxDC& dc) { control->Render(dc); });
        const wxPoint at = control->GetPosition();
        EXPECT_EQ(PixelAt(shown, 0, 0), PixelAt(tile, at.x, at.y)) << command;
        EXPECT_EQ(PixelAt(shown, 35, 18), PixelAt(plate, 35, 18)) << command;
        control->Destroy();
    }
    dialog->Destroy();
}

TEST(DialogLook, ColourRulesShowTheBackgroundWhereTheTableSays) {
    using ui::ColourRule;
    using ui::ControlKind;
    struct Row {
        ColourRule rule;
        bool edit, list, other;
    };
    for (Row row : {Row{ColourRule::A, true, true, true}, Row{ColourRule::B, false, true, true},
                    Row{ColourRule::C, false, false, true}, Row{ColourRule::D, false, true, true},
                    Row{ColourRule::E, true, true, true}, Row{ColourRule::F, false, false, true}}) {
        EXPECT_EQ(ui::ShowsBackground(row.rule, ControlKind::Edit), row.edit);
        EXPECT_EQ(ui::ShowsBackground(row.rule, ControlKind::List), row.list);
        EXPECT_EQ(ui::ShowsBackground(row.rule, ControlKind::Other), row.other);
    }
}

}  // namespace
}  // namespace harbinet::test
