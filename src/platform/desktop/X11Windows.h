// Other programs' windows on the X display, found by their title.
#pragma once

#include <string>

namespace harbinet::desktop {

// A connection to the X server, opened on first use. Without a display (no DISPLAY, or no
// server there) no window is ever found.
class X11Windows {
  public:
    X11Windows() = default;
    ~X11Windows();
    X11Windows(const X11Windows&) = delete;
    X11Windows& operator=(const X11Windows&) = delete;

    bool Exists(const std::string& title);
    // Raises the window and asks the window manager to activate it; a minimised window is
    // restored first. A window its program keeps hidden stays hidden.
    bool BringForward(const std::string& title);

  private:
    bool Open();
    unsigned long Find(const std::string& title);

    void* display_ = nullptr;  // Display*, kept out of this header
};

}  // namespace harbinet::desktop
