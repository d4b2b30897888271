// The title picture shown for a moment at the end of start-up.
#pragma once

#include <wx/bitmap.h>
#include <wx/frame.h>
#include <wx/timer.h>

#include "gui/widgets/Ids.h"

namespace harbinet {

class SplashWindow : public wxFrame {
  public:
    static constexpr int kShowMs = 1250;

    // Set once from the command line.
    static void EnableSplash(bool enable);
    // Shows the splash owned by this window, when enabled and none exists yet.
    static void ShowSplash(wxWindow* owner);
    // Every event of the program passes here first: a key or mouse-button press while the
    // splash shows hides it, and true says the press must not be delivered.
    static bool HideOnKeyOrClick(const wxEvent& event);
    // The splash on the screen, or nullptr.
    static SplashWindow* Current();

    void HideSplash();

  private:
    SplashWindow() = default;
    ~SplashWindow() override;
    bool Create(wxWindow* owner);
    void OnPaint(wxPaintEvent& event);
    void OnTimer(wxTimerEvent& event);

    wxBitmap bitmap_;
    wxTimer timer_{this, ui::id::kSplashTimer};
};

}  // namespace harbinet
