// A status icon over the session bus, as panels of today host them (KDE Plasma, GNOME's
// AppIndicator extension, wlroots panels): the icon, its tooltip, a menu the panel draws itself,
// and the clicks the panel passes on. Everything arrives on the toolkit's main loop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace harbinet {

// One size of the icon: ARGB32 pixels, row by row, each in network byte order (A, R, G, B).
struct NotifierPixmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> argb;
};

struct NotifierIcon {
    std::vector<NotifierPixmap> pixmaps;
    std::string themeName;  // a name from the icon theme, preferred by hosts when not empty
};

struct NotifierMenuEntry {
    enum class Kind { Item, Separator, SubMenu };
    enum class Mark { None, Check, Radio };
    Kind kind = Kind::Item;
    int command = 0;    // what a click on an item reports; 0 for no item
    std::string label;  // "&" marks the mnemonic, "&&" is a literal "&"
    Mark mark = Mark::None;
    bool marked = false;
    bool enabled = true;
    std::vector<NotifierMenuEntry> entries;  // SubMenu only
};

class StatusNotifier {
  public:
    // What the host reports. Screen points may be 0, 0 where the host does not know them.
    struct Events {
        std::function<void(int x, int y)> activate;           // primary click
        std::function<void(int x, int y)> secondaryActivate;  // middle click, or double click
        std::function<void(int x, int y)> contextMenu;        // hosts that ask the item to pop up
        std::function<void(int command)> command;             // a menu item was chosen
        std::function<void()> menuAboutToShow;                // the host is about to draw the menu
    };

    virtual ~StatusNotifier() = default;

    // Hidden items are still registered but ask the host not to show them.
    virtual void Show(const NotifierIcon& icon, const std::string& toolTip) = 0;
    virtual void Hide() = 0;
    // Replaces the menu; hosts are told only when it differs from the one they have.
    virtual void SetMenu(const std::vector<NotifierMenuEntry>& entries) = 0;
    // True while a watcher has taken the item (hosts show it).
    virtual bool Hosted() const = 0;
};

// True when something on the session bus hosts status icons. Never starts a bus.
bool StatusNotifierHostPresent();

// The item, titled and with the id given, on the session bus; it registers with every watcher
// that appears, now or later. Null when there is no session bus.
std::unique_ptr<StatusNotifier> MakeStatusNotifier(const std::string& id, const std::string& title,
                                                   StatusNotifier::Events events);

}  // namespace harbinet
