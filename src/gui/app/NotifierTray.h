// The tray as a status notifier item: the host on the session bus draws the icon and the menu,
// and passes the clicks on.
#pragma once

#include <memory>

#include "gui/app/Tray.h"
#include "platform/StatusNotifier.h"

namespace harbinet {

class NotifierTray : public Tray {
  public:
    // Null when there is no session bus. hostPresent: something hosts status notifier items.
    static std::unique_ptr<NotifierTray> Make(MainFrame& frame, bool hostPresent);

    void Show(bool busy, const wxString& tooltip) override;
    void Hide() override;
    bool Shown() const override { return shown_; }
    bool Hosted() const override { return hostAtStart_ || item_->Hosted(); }
    void ShowMenu(wxMenu& menu) override;
    bool KeepsMenu() const override { return true; }
    void SetMenu(const std::vector<TrayMenuItem>& items) override;

  private:
    NotifierTray(MainFrame& frame, bool hostAtStart);
    const NotifierIcon& Icon(bool busy);

    MainFrame& frame_;
    bool hostAtStart_;
    std::unique_ptr<StatusNotifier> item_;
    bool installed_ = false;  // the icon theme has our icons
    NotifierIcon icons_[2];   // normal, busy
    bool shown_ = false;
};

// The menu's items as the host shows them: the same commands, texts and marks. Hosts draw no
// bold item; the default keeps its place.
std::vector<NotifierMenuEntry> NotifierMenu(const std::vector<TrayMenuItem>& items);

// A picture as the protocol carries it: ARGB32, each pixel in network byte order.
NotifierPixmap NotifierPixels(const wxImage& image);

}  // namespace harbinet
