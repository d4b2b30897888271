// The program's icon in the desktop's notification area, whichever kind the desktop hosts: an
// XEmbed tray icon, or a status notifier item on the session bus.
#pragma once

#include <wx/menu.h>
#include <wx/string.h>

#include <memory>
#include <vector>

#include "program/TrayMenu.h"

namespace harbinet {

class MainFrame;

class Tray {
  public:
    virtual ~Tray() = default;

    // Shows the normal or the busy icon with this tooltip (adding the icon when it is not there).
    virtual void Show(bool busy, const wxString& tooltip) = 0;
    virtual void Hide() = 0;
    virtual bool Shown() const = 0;
    // False when nothing on this desktop can show the icon (yet).
    virtual bool Hosted() const = 0;
    // Pops the menu up at the mouse pointer.
    virtual void ShowMenu(wxMenu& menu) = 0;
    // A tray whose host draws the menu itself keeps a copy of it, given anew when it may have
    // changed.
    virtual bool KeepsMenu() const { return false; }
    virtual void SetMenu(const std::vector<TrayMenuItem>&) {}
};

// The tray the user chose (HARBINET_TRAY), else a status notifier item when something on the
// session bus hosts them or no XEmbed tray is there, else the XEmbed icon.
std::unique_ptr<Tray> MakeTray(MainFrame& frame);

}  // namespace harbinet
