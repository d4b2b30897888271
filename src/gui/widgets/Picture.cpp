#include "gui/widgets/Picture.h"

#include <wx/log.h>
#include <wx/mstream.h>

#include <cstring>

#include "platform/Files.h"
#include "platform/Gif.h"

namespace harbinet::ui {

namespace {

wxBitmapType PictureType(const std::string& bytes) {
    if (bytes.size() >= 6 &&
        (bytes.compare(0, 6, "GIF87a") == 0 || bytes.compare(0, 6, "GIF89a") == 0))
        return wxBITMAP_TYPE_GIF;
    if (bytes.size() >= 3 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xD8 &&
        static_cast<unsigned char>(bytes[2]) == 0xFF)
        return wxBITMAP_TYPE_JPEG;
    return wxBITMAP_TYPE_INVALID;
}

// Previews are small; a bigger file is no picture of ours.
constexpr std::size_t kMaxPictureBytes = 32u << 20;

void EnsureJpegHandler() {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_JPEG)) wxImage::AddHandler(new wxJPEGHandler);
}

}  // namespace

wxImage DecodePicture(const std::string& path) {
    std::string bytes;
    if (path.empty() || !files::ReadWholeFile(path, bytes, kMaxPictureBytes)) return {};
    wxBitmapType type = PictureType(bytes);
    if (type == wxBITMAP_TYPE_INVALID) return {};
    // The toolkit's GIF decoder writes out of bounds on some damaged files.
    if (type == wxBITMAP_TYPE_GIF) {
        RgbImage decoded;
        if (!DecodeGif(bytes, decoded)) return {};
        wxImage image(decoded.width, decoded.height, false);
        std::memcpy(image.GetData(), decoded.rgb.data(), decoded.rgb.size());
        return image;
    }
    EnsureJpegHandler();
    // A damaged file must not end in a log message box.
    wxLogNull quiet;
    wxMemoryInputStream stream(bytes.data(), bytes.size());
    wxImage image;
    if (!image.LoadFile(stream, type) || !image.IsOk()) return {};
    return image;
}

void DrawTransparentBitmap(wxDC& target, const wxBitmap& bitmap, int x, int y) {
    if (!bitmap.IsOk()) return;
    // The mask is made afresh from a copy, so the caller's bitmap keeps no mask of ours.
    wxImage image = bitmap.ConvertToImage();
    image.SetMask(false);
    if (image.HasAlpha()) image.ClearAlpha();
    wxBitmap keyed(image, -1, bitmap.GetScaleFactor());
    keyed.SetMask(new wxMask(keyed, *wxWHITE));
    target.DrawBitmap(keyed, x, y, true);
}

}  // namespace harbinet::ui
