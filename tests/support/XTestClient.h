// An X client of the tests' own, standing in for other programs and for a window manager
// watching the root window. Include after gtest: Xlib's macros clash with its names.
#pragma once

#include <poll.h>

#include <chrono>
#include <functional>
#include <string>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace harbinet::test {

class TestClient {
  public:
    TestClient() : d_(XOpenDisplay(nullptr)) {
        if (!d_) return;
        root_ = DefaultRootWindow(d_);
        XSelectInput(d_, root_, SubstructureNotifyMask);
        XSync(d_, False);  // watching from now on, not from the next request
    }
    ~TestClient() {
        if (d_) XCloseDisplay(d_);
    }
    bool Ok() const { return d_ != nullptr; }
    Display* D() const { return d_; }
    Atom A(const char* name) const { return XInternAtom(d_, name, False); }

    // A window titled through _NET_WM_NAME (UTF-8) and WM_NAME, or through WM_NAME alone.
    Window Make(const std::string& title, bool netName = true, Window parent = None) {
        Window w =
            XCreateSimpleWindow(d_, parent == None ? root_ : parent, 10, 10, 100, 80, 0, 0, 0);
        if (netName)
            XChangeProperty(d_, w, A("_NET_WM_NAME"), A("UTF8_STRING"), 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(title.data()),
                            static_cast<int>(title.size()));
        XStoreName(d_, w, title.c_str());
        XSelectInput(d_, w, StructureNotifyMask);
        XSync(d_, False);
        return w;
    }

    // What a window manager records for a window it manages.
    void SetWmState(Window w, long state) {
        long data[2] = {state, static_cast<long>(None)};
        XChangeProperty(d_, w, A("WM_STATE"), A("WM_STATE"), 32, PropModeReplace,
                        reinterpret_cast<unsigned char*>(data), 2);
        XSync(d_, False);
    }

    // Waits for an event that satisfies the condition, with a generous bound.
    bool WaitFor(const std::function<bool(const XEvent&)>& wanted) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (std::chrono::steady_clock::now() < end) {
            while (XPending(d_)) {
                XEvent e;
                XNextEvent(d_, &e);
                if (wanted(e)) return true;
            }
            pollfd p{ConnectionNumber(d_), POLLIN, 0};
            ::poll(&p, 1, 200);
        }
        return false;
    }

    bool IsActivationRequest(const XEvent& e, Window w) {
        return e.type == ClientMessage && e.xclient.window == w &&
               e.xclient.message_type == A("_NET_ACTIVE_WINDOW") && e.xclient.data.l[0] == 2;
    }

    // The window's WM_NAME.
    std::string NameOf(Window w) {
        char* name = nullptr;
        if (!XFetchName(d_, w, &name) || !name) return {};
        std::string title = name;
        XFree(name);
        return title;
    }

  private:
    Display* d_;
    Window root_ = None;
};

}  // namespace harbinet::test
