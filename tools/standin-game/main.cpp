// standin-game: stands in for European Air War and, under the names of the tools the first
// installation lists, for those tools. Each start appends one line to "standin-game.log" in its
// working folder:
//   pid <TAB> working folder <TAB> argv[0] <TAB> argv[1] ...
// then shows a window until it is closed or the process is killed: titled "European Air War"
// as EAW.EXE (or any unknown name), titled after the tool under a tool's name. Without a display
// it exits with status 1 after writing the line.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <strings.h>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

constexpr const char* kLogName = "standin-game.log";

// The window title for the name the program was started under; tools must not take the
// game's title, or Harbinet would think the game runs.
const char* TitleFor(const char* argv0) {
    const char* slash = std::strrchr(argv0, '/');
    const char* name = slash ? slash + 1 : argv0;
    if (::strcasecmp(name, "ECAPANEL.EXE") == 0) return "ECA Control Panel (stand-in)";
    if (::strcasecmp(name, "EAWCONTROL.EXE") == 0) return "EAW Control (stand-in)";
    if (::strcasecmp(name, "EAWCM.EXE") == 0) return "EAW OnLine Manager (stand-in)";
    return "European Air War";
}

void RecordStart(int argc, char** argv) {
    char cwd[PATH_MAX];
    std::string line = std::to_string(::getpid()) + "\t" + (::getcwd(cwd, sizeof cwd) ? cwd : "?");
    for (int i = 0; i < argc; ++i) line += std::string("\t") + argv[i];
    line += "\n";
    // One write on an append-only file keeps lines whole when copies start together.
    if (std::FILE* log = std::fopen(kLogName, "a")) {
        std::fwrite(line.data(), 1, line.size(), log);
        std::fclose(log);
    }
}

void SetTitle(Display* d, Window w, const char* title) {
    XStoreName(d, w, title);
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_NAME", False),
                    XInternAtom(d, "UTF8_STRING", False), 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(title),
                    static_cast<int>(std::strlen(title)));
    XClassHint hint{const_cast<char*>("eaw"), const_cast<char*>("EuropeanAirWar")};
    XSetClassHint(d, w, &hint);
    long pid = ::getpid();
    XChangeProperty(d, w, XInternAtom(d, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&pid), 1);
}

void Draw(Display* d, Window w, GC gc, const char* title) {
    const char* lines[] = {title, "(a stand-in for the sample game)", "Close this window to quit."};
    int y = 40;
    for (const char* text : lines) {
        XDrawString(d, w, gc, 30, y, text, static_cast<int>(std::strlen(text)));
        y += 20;
    }
}

}  // namespace

int main(int argc, char** argv) {
    RecordStart(argc, argv);

    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "standin-game: cannot open the X display\n");
        return 1;
    }
    const int screen = DefaultScreen(d);
    Window w = XCreateSimpleWindow(d, RootWindow(d, screen), 100, 100, 480, 200, 1,
                                   BlackPixel(d, screen), WhitePixel(d, screen));
    const char* title = TitleFor(argv[0]);
    SetTitle(d, w, title);
    Atom deleteWindow = XInternAtom(d, "WM_DELETE_WINDOW", False);
    XSetWMProtocols(d, w, &deleteWindow, 1);
    XSelectInput(d, w, ExposureMask | StructureNotifyMask);
    GC gc = XCreateGC(d, w, 0, nullptr);
    XSetForeground(d, gc, BlackPixel(d, screen));
    XMapWindow(d, w);

    bool destroyed = false;
    while (!destroyed) {
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == Expose && e.xexpose.count == 0) Draw(d, w, gc, title);
        if (e.type == ClientMessage && static_cast<Atom>(e.xclient.data.l[0]) == deleteWindow)
            break;
        if (e.type == DestroyNotify && e.xdestroywindow.window == w) destroyed = true;
    }
    XFreeGC(d, gc);
    if (!destroyed) XDestroyWindow(d, w);
    XCloseDisplay(d);
    return 0;
}
