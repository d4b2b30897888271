// Small helpers for the window tests: parents that count commands, reading back what a window
// or control drew.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/frame.h>
#include <wx/image.h>

#include <string>
#include <vector>

#include <ostream>

// Colours print as rgb(r, g, b) in test failures.
inline void PrintTo(const wxColour& c, std::ostream* out) {
    *out << "rgb(" << int(c.Red()) << ", " << int(c.Green()) << ", " << int(c.Blue()) << ")";
}

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

// A GIF of an image with at most four colours (wx cannot write GIF here). The codes are kept
// 3 bits wide by a clear code after every two pixels, so no real compression is needed.
inline std::string GifBytes(const wxImage& image) {
    std::vector<wxColour> palette;
    std::vector<int> pixels;
    for (int y = 0; y < image.GetHeight(); ++y)
        for (int x = 0; x < image.GetWidth(); ++x) {
            wxColour c(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
            std::size_t i = 0;
            while (i < palette.size() && palette[i] != c) ++i;
            if (i == palette.size()) palette.push_back(c);
            pixels.push_back(static_cast<int>(i));
        }
    palette.resize(4, *wxBLACK);
    auto le16 = [](int v) { return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)}; };
    std::string out = "GIF89a" + le16(image.GetWidth()) + le16(image.GetHeight());
    out += {char(0x81), 0, 0};
    for (const wxColour& c : palette) out += {char(c.Red()), char(c.Green()), char(c.Blue())};
    out += char(0x2C) + le16(0) + le16(0) + le16(image.GetWidth()) + le16(image.GetHeight());
    out += {0, 2};
    std::string data;
    unsigned bits = 0, count = 0;
    auto put = [&](unsigned code) {
        bits |= code << count;
        for (count += 3; count >= 8; count -= 8, bits >>= 8) data += char(bits & 0xFF);
    };
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        if (i % 2 == 0) put(4);
        put(static_cast<unsigned>(pixels[i]));
    }
    put(5);
    if (count) data += char(bits & 0xFF);
    for (std::size_t at = 0; at < data.size(); at += 255) {
        std::string block = data.substr(at, 255);
        out += char(block.size()) + block;
    }
    out += {0, 0x3B};
    return out;
}

}  // namespace harbinet::test

#include <wx/dialog.h>
#include <wx/timer.h>

#include <functional>

namespace harbinet::test {

// Runs a dialog modally; steps run one after the other inside its modal loop (each after
// the events the previous one queued). A stuck dialog is ended after a generous safety net.
inline int RunModal(wxDialog& dialog, std::vector<std::function<void()>> steps) {
    wxTimer safety;
    safety.Bind(wxEVT_TIMER, [&](wxTimerEvent&) {
        ADD_FAILURE() << "the dialog did not close";
        dialog.EndModal(-1);
    });
    safety.StartOnce(20000);
    std::function<void(std::size_t)> run = [&](std::size_t i) {
        if (i >= steps.size()) return;
        dialog.CallAfter([&, i] {
            steps[i]();
            run(i + 1);
        });
    };
    run(0);
    const int result = dialog.ShowModal();
    safety.Stop();
    return result;
}

}  // namespace harbinet::test
