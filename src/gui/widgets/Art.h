// Our pictures, button plates and cursor, decoded from the files compiled into the program.
#pragma once

#include <wx/bitmap.h>
#include <wx/bmpbndl.h>
#include <wx/cursor.h>
#include <wx/iconbndl.h>
#include <wx/image.h>

#include <vector>

namespace harbinet::ui {

// An embedded PNG/GIF/JPEG by file name; an invalid image when there is none.
wxImage EmbeddedImage(const char* name);
wxBitmap EmbeddedBitmap(const char* name);

// The pictures by their file names.
inline constexpr const char* kPaperTexture = "paper.png";        // 300 x 230, tiled
inline constexpr const char* kCareerBackground = "logbook.png";  // 500 x 250
inline constexpr const char* kTitlePicture = "title.png";        // 500 x 250
inline constexpr const char* kPanelPicture = "panel.png";        // 300 x 178

// The program icon at every size it was drawn in, for the window manager.
wxIconBundle ProgramIcons();
// The tray icon, or its busy picture while terrain or skins change.
wxBitmapBundle TrayIcon(bool busy);
// The same at each size it was drawn in (22, 32, 48 and 64 pixels).
std::vector<wxImage> TrayIconImages(bool busy);

// The pointing hand, hot spot at the finger tip.
wxCursor LinkCursor();

}  // namespace harbinet::ui
