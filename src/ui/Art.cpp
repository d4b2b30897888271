#include "ui/Art.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include "ui/Resources.h"

namespace harbinet::ui {

namespace {
// Where the finger tip of the hand is drawn in resources/art/cursor-hand-135.svg.
constexpr int kHandHotSpotX = 7;
constexpr int kHandHotSpotY = 1;
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
    wxImage image = EmbeddedImage("cursor-hand-135.png");
    if (!image.IsOk()) return wxCursor(wxCURSOR_HAND);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_X, kHandHotSpotX);
    image.SetOption(wxIMAGE_OPTION_CUR_HOTSPOT_Y, kHandHotSpotY);
    return wxCursor(image);
}

}  // namespace harbinet::ui
