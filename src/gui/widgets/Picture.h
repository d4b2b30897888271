// Decoded GIF/JPEG pictures for picture tiles, and bitmaps drawn with one colour left out.
#pragma once

#include <wx/bitmap.h>
#include <wx/dc.h>
#include <wx/image.h>

#include <string>

namespace harbinet::ui {

// Reads the whole file into memory and decodes it as GIF or JPEG, recognised by its first
// bytes. A missing, unreadable or undecodable file gives an invalid image and reports nothing.
wxImage DecodePicture(const std::string& path);

// Draws the bitmap at (x, y) leaving out every pixel of exactly white, the colour button
// bitmaps leave transparent, so that the target shows through there. The bitmap itself is not
// changed.
void DrawTransparentBitmap(wxDC& target, const wxBitmap& bitmap, int x, int y);

}  // namespace harbinet::ui
