// Our pictures, button plates and cursor, decoded from the files compiled into the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/cursor.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

namespace harbinet::ui {

// An embedded PNG/GIF/JPEG by file name; an invalid image when there is none.
wxImage EmbeddedImage(const char* name);
wxBitmap EmbeddedBitmap(const char* name);

// Picture resources by their numbers.
inline constexpr const char* kPaperTexture = "paper-137.png";        // 300 x 230, tiled
inline constexpr const char* kCareerBackground = "logbook-134.png";  // 500 x 250
inline constexpr const char* kTitlePicture = "title-103.png";        // 500 x 250
inline constexpr const char* kPanelPicture = "panel-132.png";        // 300 x 178

// Icon 128 at every size it was drawn in, for the window manager.
wxIconBundle ProgramIcons();
// Tray icon 166, or 173 while terrain or skins change.
wxBitmapBundle TrayIcon(int id);

// The pointing hand (cursor 135), hot spot at the finger tip.
wxCursor LinkCursor();

}  // namespace harbinet::ui
