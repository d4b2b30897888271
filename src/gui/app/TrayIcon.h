// The icon in the desktop's notification area and its pop-up menu.
#pragma once

#include <wx/menu.h>
#include <wx/taskbar.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/app/TrayClicks.h"
#include "program/TrayMenu.h"

namespace harbinet {

class MainFrame;

class TrayIcon : public wxTaskBarIcon {
  public:
    explicit TrayIcon(MainFrame& frame);

    // Shows the normal or the busy icon with this tooltip (adding the icon when it is not there).
    void Show(bool busy, const wxString& tooltip);
    void Hide();

    bool Shown() const { return shown_; }

  private:
    void OnLeftDown(wxTaskBarIconEvent& event);
    void OnRightDown(wxTaskBarIconEvent& event);
    void OnMenu(wxCommandEvent& event);

    MainFrame& frame_;
    TrayClickTracker clicks_;
    bool shown_ = false;
};

// The pop-up menu of these items: command ids, check marks, radio marks, sub-menus, and the
// default item in bold.
std::unique_ptr<wxMenu> MakeTrayWxMenu(const std::vector<TrayMenuItem>& items);

// The markup of an item's label when it carries any (the default item's bold), else empty.
std::string LabelMarkup(wxMenuItem* item);

}  // namespace harbinet
