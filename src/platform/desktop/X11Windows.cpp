#include "platform/desktop/X11Windows.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <vector>

namespace harbinet::desktop {
namespace {

// Windows may vanish while they are searched: errors on our connection are expected and
// ignored, those of other connections (the toolkit's) go to the handler that was there before.
std::mutex gTrapMutex;
Display* gTrapDisplay = nullptr;
XErrorHandler gPreviousHandler = nullptr;

int TrapError(Display* display, XErrorEvent* event) {
    if (display == gTrapDisplay) return 0;
    return gPreviousHandler ? gPreviousHandler(display, event) : 0;
}

class ErrorTrap {
  public:
    explicit ErrorTrap(Display* display) : lock_(gTrapMutex), display_(display) {
        gTrapDisplay = display;
        gPreviousHandler = XSetErrorHandler(TrapError);
    }
    ~ErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(gPreviousHandler);
        gTrapDisplay = nullptr;
        gPreviousHandler = nullptr;
    }

  private:
    std::lock_guard<std::mutex> lock_;
    Display* display_;
};

Display* AsDisplay(void* p) {
    return static_cast<Display*>(p);
}

std::string Utf8Property(Display* d, Window w, Atom property, Atom type) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string value;
    if (XGetWindowProperty(d, w, property, 0, 1024, False, type, &actualType, &format, &count,
                           &after, &data) == Success &&
        data) {
        if (actualType == type && format == 8)
            value.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return value;
}

// WM_NAME in whatever encoding its owner chose, converted to UTF-8.
bool LegacyName(Display* d, Window w, std::string& name) {
    XTextProperty prop{};
    if (!XGetWMName(d, w, &prop) || !prop.value) return false;
    char** list = nullptr;
    int count = 0;
    bool found = false;
    if (Xutf8TextPropertyToTextList(d, &prop, &list, &count) >= Success && list && count > 0) {
        name = list[0];
        found = true;
    }
    if (list) XFreeStringList(list);
    XFree(prop.value);
    return found;
}

long CardinalProperty(Display* d, Window w, Atom property, Atom type, long missing) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long value = missing;
    if (XGetWindowProperty(d, w, property, 0, 2, False, type, &actualType, &format, &count, &after,
                           &data) == Success &&
        data) {
        if (actualType == type && format == 32 && count > 0)
            value = reinterpret_cast<const long*>(data)[0];
        XFree(data);
    }
    return value;
}

bool HasAtomInList(Display* d, Window w, Atom property, Atom wanted) {
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    bool found = false;
    if (XGetWindowProperty(d, w, property, 0, 64, False, XA_ATOM, &actualType, &format, &count,
                           &after, &data) == Success &&
        data) {
        if (actualType == XA_ATOM && format == 32) {
            const long* atoms = reinterpret_cast<const long*>(data);
            for (unsigned long i = 0; i < count; ++i)
                if (static_cast<Atom>(atoms[i]) == wanted) found = true;
        }
        XFree(data);
    }
    return found;
}

struct Search {
    Display* d;
    const std::string& title;
    Atom netWmName, utf8, wmState;
    Window titled = None;  // first window with the title
    Window client = None;  // first one that a window manager manages (has WM_STATE)

    bool HasTitle(Window w) const {
        std::string name = Utf8Property(d, w, netWmName, utf8);
        if (name.empty() && !LegacyName(d, w, name)) return false;
        return name == title;
    }

    bool IsClient(Window w) const {
        Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        bool present = XGetWindowProperty(d, w, wmState, 0, 0, False, AnyPropertyType, &type,
                                          &format, &count, &after, &data) == Success &&
                       type != None;
        if (data) XFree(data);
        return present;
    }

    void Walk(Window w, int depth) {
        if (client != None || depth > 64) return;
        Window root = None, parent = None, *children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(d, w, &root, &parent, &children, &count)) return;
        std::vector<Window> list(children, children + count);
        if (children) XFree(children);
        for (Window child : list) {
            const bool isClient = IsClient(child);
            if (HasTitle(child)) {
                if (titled == None) titled = child;
                if (isClient) {
                    client = child;
                    return;
                }
            }
            // A client's own sub-windows are its program's business, not top-level windows.
            if (!isClient) Walk(child, depth + 1);
            if (client != None) return;
        }
    }
};

}  // namespace

X11Windows::~X11Windows() {
    if (display_) XCloseDisplay(AsDisplay(display_));
}

bool X11Windows::Open() {
    if (display_) return true;
    const char* name = std::getenv("DISPLAY");
    if (!name || !*name) return false;
    display_ = XOpenDisplay(name);
    return display_ != nullptr;
}

unsigned long X11Windows::Find(const std::string& title) {
    if (title.empty() || !Open()) return None;
    Display* d = AsDisplay(display_);
    ErrorTrap trap(d);
    Search search{d, title, XInternAtom(d, "_NET_WM_NAME", False),
                  XInternAtom(d, "UTF8_STRING", False), XInternAtom(d, "WM_STATE", False)};
    search.Walk(DefaultRootWindow(d), 0);
    return search.client != None ? search.client : search.titled;
}

bool X11Windows::Exists(const std::string& title) {
    return Find(title) != None;
}

bool X11Windows::BringForward(const std::string& title) {
    const Window w = Find(title);
    if (w == None) return false;
    Display* d = AsDisplay(display_);
    ErrorTrap trap(d);

    const Atom wmState = XInternAtom(d, "WM_STATE", False);
    const Atom netState = XInternAtom(d, "_NET_WM_STATE", False);
    const Atom hidden = XInternAtom(d, "_NET_WM_STATE_HIDDEN", False);
    const bool iconic = CardinalProperty(d, w, wmState, wmState, WithdrawnState) == IconicState ||
                        HasAtomInList(d, w, netState, hidden);
    if (iconic) XMapRaised(d, w);
    XRaiseWindow(d, w);

    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = d;
    event.xclient.window = w;
    event.xclient.message_type = XInternAtom(d, "_NET_ACTIVE_WINDOW", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = 2;  // a request from a pager-like tool, honoured without focus rules
    event.xclient.data.l[1] = CurrentTime;
    event.xclient.data.l[2] = 0;
    XSendEvent(d, DefaultRootWindow(d), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    XFlush(d);
    return true;
}

}  // namespace harbinet::desktop
