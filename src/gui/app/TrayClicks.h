// Telling a click from a double click on the tray icon.
#pragma once

#include <cstdint>

namespace harbinet {

// GTK reports one left click on the tray icon as a press followed at once by a double-click
// event, and a double click as that pair twice. So the double-click events are ignored and a
// double click is two presses within the desktop's double-click time; the press after a
// double click starts afresh.
class TrayClickTracker {
  public:
    enum class Click { Single, Double };

    explicit TrayClickTracker(std::int64_t doubleClickMs) : doubleClickMs_(doubleClickMs) {}

    // A left press at this time (milliseconds of a steady clock).
    Click Press(std::int64_t nowMs) {
        if (pending_ && nowMs >= lastPressMs_ && nowMs - lastPressMs_ <= doubleClickMs_) {
            pending_ = false;
            return Click::Double;
        }
        pending_ = true;
        lastPressMs_ = nowMs;
        return Click::Single;
    }

  private:
    std::int64_t doubleClickMs_;
    std::int64_t lastPressMs_ = 0;
    bool pending_ = false;
};

}  // namespace harbinet
