#include "gui/app/SplashWindow.h"

#include <wx/app.h>
#include <wx/dcclient.h>

#include "gui/widgets/Art.h"

namespace harbinet {

namespace {
bool enabled = false;
SplashWindow* current = nullptr;
}  // namespace

void SplashWindow::EnableSplash(bool enable) {
    enabled = enable;
}

SplashWindow* SplashWindow::Current() {
    return current;
}

void SplashWindow::ShowSplash(wxWindow* owner) {
    if (!enabled || current) return;
    auto* splash = new SplashWindow;
    current = splash;
    if (!splash->Create(owner)) {
        current = nullptr;
        delete splash;
        return;
    }
    splash->Update();
}

bool SplashWindow::Create(wxWindow* owner) {
    bitmap_ = ui::EmbeddedBitmap(ui::kTitlePicture);
    if (!bitmap_.IsOk()) return false;
    if (!wxFrame::Create(owner, wxID_ANY, wxString(), wxPoint(0, 0), bitmap_.GetSize(),
                         wxBORDER_NONE | wxFRAME_NO_TASKBAR | wxSTAY_ON_TOP))
        return false;
    Bind(wxEVT_PAINT, &SplashWindow::OnPaint, this);
    Bind(wxEVT_TIMER, &SplashWindow::OnTimer, this);
    // The owner is hidden, so the picture is centred on the screen.
    CentreOnScreen();
    Show();
    timer_.StartOnce(kShowMs);
    return true;
}

SplashWindow::~SplashWindow() {
    if (current == this) current = nullptr;
}

void SplashWindow::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    dc.DrawBitmap(bitmap_, 0, 0);
}

void SplashWindow::OnTimer(wxTimerEvent&) {
    HideSplash();
}

void SplashWindow::HideSplash() {
    timer_.Stop();
    if (current == this) current = nullptr;
    wxWindow* owner = GetParent();
    Destroy();
    if (owner) owner->Update();
}

bool SplashWindow::HideOnKeyOrClick(const wxEvent& event) {
    if (!current) return false;
    const wxEventType type = event.GetEventType();
    if (type == wxEVT_KEY_DOWN || type == wxEVT_LEFT_DOWN || type == wxEVT_RIGHT_DOWN ||
        type == wxEVT_MIDDLE_DOWN) {
        current->HideSplash();
        return true;
    }
    return false;
}

}  // namespace harbinet
