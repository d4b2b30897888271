#include "program/PanelPlacement.h"

#include <algorithm>

namespace harbinet {

namespace {

int Place(int cursor, int length, int start, int areaLength) {
    int at = cursor - length;
    if (at < start) at = cursor;  // a tray at the top or left: open below or right of it
    return std::max(start, std::min(at, start + areaLength - length));
}

}  // namespace

ScreenPoint PanelPosition(ScreenPoint cursor, int width, int height, const ScreenRect& workArea) {
    return {Place(cursor.x, width, workArea.x, workArea.width),
            Place(cursor.y, height, workArea.y, workArea.height)};
}

}  // namespace harbinet
