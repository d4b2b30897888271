// Small helpers for the window tests: parents that count commands, reading back what a window
// or control drew.
#pragma once

#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <vector>

namespace harbinet::test {

// A frame that records the ids of the wxEVT_BUTTON commands reaching it.
class CommandFrame : public wxFrame {
public:
    CommandFrame() : wxFrame(nullptr, wxID_ANY, "test", wxDefaultPosition, wxSize(400, 300)) {
        Bind(wxEVT_BUTTON, [this](wxCommandEvent& e) { commands.push_back(e.GetId()); });
    }
    std::vector<int> commands;
};

// Runs the handlers of queued events, as the event loop would after the current one.
inline void RunQueuedEvents() {
    if (wxTheApp) wxTheApp->ProcessPendingEvents();
}

inline void SendMouse(wxWindow* window, wxEventType type, wxPoint at = wxPoint(2, 2)) {
    wxMouseEvent event(type);
    event.SetEventObject(window);
    event.SetPosition(at);
    window->GetEventHandler()->ProcessEvent(event);
}

// What a draw function paints into a bitmap of the given size, over a filled background.
template <typename Draw>
wxImage Drawn(wxSize size, const wxColour& fill, Draw draw) {
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(wxBrush(fill));
        dc.Clear();
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

inline wxColour PixelAt(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

}  // namespace harbinet::test
