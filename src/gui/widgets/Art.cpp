#include "gui/widgets/Art.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include <string>
#include <vector>

#include "gui/widgets/Resources.h"

namespace harbinet::ui {

namespace {
// Where the finger tip of the hand is drawn in resources/art/cursor-hand.svg.
constexpr int kHandHotSpotX = 7;
constexpr int kHandHotSpotY = 1;

std::vector<wxBitmap> Sizes(const std::string& stem, std::initializer_list<int> sizes) {
    std::vector<wxBitmap> bitmaps;
    for (int size : sizes) {
        wxBitmap bitmap = EmbeddedBitmap((stem + "-" + std::to_string(size) + ".png").c_str());
        if (bitmap.IsOk()) bitmaps.push_back(bitmap);
    }
    return bitmaps;
}

}  // namespace

wxImage EmbeddedImage(const char* name) {
    const resources::Resource* found = resources::Find(name);
    if (!found) return {};
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    wxLogNull quiet;
    wxMemoryInputStream stream(found->data, found->size);
    wxImage image;
    if (!image.LoadFile(stream, wxBITMAP_TYPE_ANY)) return {};
    return image;
}

wxBitmap EmbeddedBitmap(const char* name) {
    wxImage image = EmbeddedImage(name);
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

wxCursor LinkCursor() {
    wxImage image = EmbeddedImage("cursor-hand.png");
    if (!image.IsOk()) return wxCursor(wxCURSOR_HAND);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, kHandHotSpotX);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, kHandHotSpotY);
    return wxCursor(image);
}

wxIconBundle ProgramIcons() {
    wxIconBundle icons;
    for (const wxBitmap& bitmap : Sizes("icon", {16, 24, 32, 48, 64, 128, 256})) {
        wxIcon icon;
        icon.CopyFromBitmap(bitmap);
        icons.AddIcon(icon);
    }
    return icons;
}

std::vector<wxImage> TrayIconImages(bool busy) {
    std::vector<wxImage> images;
    for (const wxBitmap& bitmap : Sizes(busy ? "tray-busy" : "tray", {22, 32, 48, 64}))
        images.push_back(bitmap.ConvertToImage());
    return images;
}

wxBitmapBundle TrayIcon(bool busy) {
    wxVector<wxBitmap> bitmaps;
    for (const wxBitmap& bitmap : Sizes(busy ? "tray-busy" : "tray", {22, 32, 48, 64}))
        bitmaps.push_back(bitmap);
    return wxBitmapBundle::FromBitmaps(bitmaps);
}

}  // namespace harbinet::ui
