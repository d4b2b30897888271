// The XEmbed tray icon (a GTK status icon) and the pop-up menu as wx builds it.
#pragma once

#include <wx/menu.h>
#include <wx/taskbar.h>

#include <memory>
#include <string>
#include <vector>

#include "gui/app/Tray.h"
#include "gui/app/TrayClicks.h"
#include "program/TrayMenu.h"

namespace harbinet {

class MainFrame;

class TrayIcon : public wxTaskBarIcon, public Tray {
  public:
    explicit TrayIcon(MainFrame& frame);

    void Show(bool busy, const wxString& tooltip) override;
    void Hide() override;
    bool Shown() const override { return shown_; }
    bool Hosted() const override { return IsAvailable(); }
    void ShowMenu(wxMenu& menu) override { PopupMenu(&menu); }

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
