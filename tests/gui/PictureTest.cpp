#include "ui/Picture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/GuiHelpers.h"
#include "support/TempDir.h"
#include "ui/StaticEx.h"

namespace harbinet::test {
namespace {

// Left half red, right half blue.
wxImage TwoColours(int w, int h) {
    wxImage image(w, h);
    image.SetRGB(wxRect(0, 0, w / 2, h), 255, 0, 0);
    image.SetRGB(wxRect(w / 2, 0, w - w / 2, h), 0, 0, 255);
    return image;
}

bool Near(const wxColour& a, const wxColour& b, int tolerance = 40) {
    return std::abs(a.Red() - b.Red()) <= tolerance &&
           std::abs(a.Green() - b.Green()) <= tolerance &&
           std::abs(a.Blue() - b.Blue()) <= tolerance;
}

TEST(DecodePicture, ReadsGifAndJpegByContentNotByName) {
    TempDir dir;
    WriteFile(dir / "a.gif", GifBytes(TwoColours(8, 6)));
    ASSERT_TRUE(TwoColours(16, 8).SaveFile(wxString::FromUTF8(dir / "b.jpg"), wxBITMAP_TYPE_JPEG));
    // A JPEG named like a GIF, and a GIF without extension.
    WriteFile(dir / "renamed.GIF", ReadFile(dir / "b.jpg"));
    WriteFile(dir / "preview", ReadFile(dir / "a.gif"));

    for (const char* name : {"a.gif", "preview"}) {
        wxImage gif = ui::DecodePicture(dir / name);
        ASSERT_TRUE(gif.IsOk()) << name;
        EXPECT_EQ(gif.GetSize(), wxSize(8, 6));
        EXPECT_EQ(PixelAt(gif, 0, 0), wxColour(255, 0, 0));
        EXPECT_EQ(PixelAt(gif, 7, 5), wxColour(0, 0, 255));
    }
    for (const char* name : {"b.jpg", "renamed.GIF"}) {
        wxImage jpeg = ui::DecodePicture(dir / name);
        ASSERT_TRUE(jpeg.IsOk()) << name;
        EXPECT_EQ(jpeg.GetSize(), wxSize(16, 8));
        EXPECT_TRUE(Near(PixelAt(jpeg, 1, 1), wxColour(255, 0, 0)));
    }
}

TEST(DecodePicture, MissingCorruptOrForeignFilesGiveNoPicture) {
    TempDir dir;
    ASSERT_TRUE(TwoColours(8, 8).SaveFile(wxString::FromUTF8(dir / "p.png"), wxBITMAP_TYPE_PNG));
    WriteFile(dir / "corrupt.gif", std::string("GIF89a\x10\x00\x10\x00\xF7garbage", 17));
    WriteFile(dir / "corrupt.jpg", std::string("\xFF\xD8\xFF\xE0 not really a jpeg", 22));
    WriteFile(dir / "empty.gif", "");

    for (const char* name : {"missing.gif", "p.png", "corrupt.gif", "corrupt.jpg", "empty.gif"})
        EXPECT_FALSE(ui::DecodePicture(dir / name).IsOk()) << name;
    EXPECT_FALSE(ui::DecodePicture("").IsOk());
}

TEST(LoadPicture, StretchesOverTheControlAndCanBeDropped) {
    TempDir dir;
    WriteFile(dir / "wide.gif", GifBytes(TwoColours(6, 2)));
    WriteFile(dir / "other.gif", GifBytes(TwoColours(2, 2)));
    auto* frame = new CommandFrame;
    auto* tile = new ui::CStaticEx(frame, wxID_ANY, wxPoint(0, 0), wxSize(40, 100), 0, nullptr);
    tile->SetLabel("text never shown");
    tile->LoadPicture(dir / "wide.gif");
    tile->LoadPicture(dir / "other.gif");  // replaces the first
    ASSERT_TRUE(tile->HasPicture());

    wxImage shown = Drawn(wxSize(40, 100), *wxGREEN, [&](wxDC& dc) { tile->Render(dc); });
    EXPECT_TRUE(Near(PixelAt(shown, 2, 95), wxColour(255, 0, 0)));
    EXPECT_TRUE(Near(PixelAt(shown, 37, 3), wxColour(0, 0, 255)));

    tile->LoadPicture(dir / "missing.gif");
    EXPECT_FALSE(tile->HasPicture());
    tile->LoadPicture(dir / "other.gif");
    tile->LoadPicture("");
    EXPECT_FALSE(tile->HasPicture());
    frame->Destroy();
}

TEST(DrawTransparentBitmap, LeavesOutExactlyTheKeyColour) {
    wxImage image(4, 1);
    image.SetRGB(0, 0, 255, 255, 255);
    image.SetRGB(1, 0, 254, 255, 255);
    image.SetRGB(2, 0, 200, 0, 0);
    image.SetRGB(3, 0, 255, 255, 255);
    const wxBitmap bitmap(image);

    for (int pass = 0; pass < 2; ++pass) {
        wxImage shown = Drawn(wxSize(6, 3), *wxGREEN,
                              [&](wxDC& dc) { ui::DrawTransparentBitmap(dc, bitmap, 1, 1); });
        EXPECT_EQ(PixelAt(shown, 1, 1), *wxGREEN) << "pass " << pass;
        EXPECT_EQ(PixelAt(shown, 2, 1), wxColour(254, 255, 255));
        EXPECT_EQ(PixelAt(shown, 3, 1), wxColour(200, 0, 0));
        EXPECT_EQ(PixelAt(shown, 4, 1), *wxGREEN);
        EXPECT_EQ(PixelAt(shown, 0, 0), *wxGREEN);
    }
    // The caller's bitmap is left as it was.
    EXPECT_EQ(bitmap.GetMask(), nullptr);
    EXPECT_EQ(PixelAt(bitmap.ConvertToImage(), 0, 0), wxColour(255, 255, 255));
}

}  // namespace
}  // namespace harbinet::test
