// Where the information panel opens next to the tray icon.
#pragma once

namespace harbinet {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    bool operator==(const ScreenPoint&) const = default;
};

struct ScreenRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The panel's top-left corner for a click at cursor: its lower-right corner at the cursor
// where that fits the work area of the cursor's monitor. Otherwise, on each axis, it opens on
// the cursor's other side where it would cross the area's top or left, and is then pushed
// inside the area (a panel bigger than the area keeps its top-left corner inside).
ScreenPoint PanelPosition(ScreenPoint cursor, int width, int height, const ScreenRect& workArea);

}  // namespace harbinet
