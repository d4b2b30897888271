#include "app/Art.h"

#include <wx/image.h>
#include <wx/mstream.h>

#include <string>
#include <vector>

#include "ui/Resources.h"

namespace harbinet::art {

namespace {

wxImage Embedded(const std::string& name) {
    const resources::Resource* r = resources::Find(name);
    if (!r) return {};
    wxMemoryInputStream in(r->data, r->size);
    wxImage image;
    if (!image.LoadFile(in, wxBITMAP_TYPE_PNG)) return {};
    return image;
}

std::vector<wxBitmap> Sizes(const std::string& stem, std::initializer_list<int> sizes) {
    std::vector<wxBitmap> bitmaps;
    for (int size : sizes) {
        wxImage image = Embedded(stem + "-" + std::to_string(size) + ".png");
        if (image.IsOk()) bitmaps.emplace_back(image);
    }
    return bitmaps;
}

}  // namespace

wxBitmap Picture(int id) {
    wxImage image;
    if (id == 103) image = Embedded("title-103.png");
    if (id == 132) image = Embedded("panel-132.png");
    return image.IsOk() ? wxBitmap(image) : wxBitmap();
}

wxIconBundle ProgramIcons() {
    wxIconBundle icons;
    for (const wxBitmap& bitmap : Sizes("icon-128", {16, 24, 32, 48, 64, 128, 256})) {
        wxIcon icon;
        icon.CopyFromBitmap(bitmap);
        icons.AddIcon(icon);
    }
    return icons;
}

wxBitmapBundle TrayIcon(int id) {
    const std::string stem = id == 173 ? "tray-173" : "tray-166";
    wxVector<wxBitmap> bitmaps;
    for (const wxBitmap& bitmap : Sizes(stem, {22, 32, 48, 64})) bitmaps.push_back(bitmap);
    return wxBitmapBundle::FromBitmaps(bitmaps);
}

}  // namespace harbinet::art
