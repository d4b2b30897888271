// The program's own pictures and icons, compiled in from resources/embed/.
#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/iconbndl.h>

#include <string_view>

namespace harbinet::art {

// Bitmap 103 (title picture), 132 (information panel); an invalid bitmap when missing.
wxBitmap Picture(int id);
// Icon 128 at every size it was drawn in, for the window manager.
wxIconBundle ProgramIcons();
// Tray icon 166, or 173 while terrain or skins change.
wxBitmapBundle TrayIcon(int id);

}  // namespace harbinet::art
