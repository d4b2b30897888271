#include "gui/app/NotifierTray.h"

#include <wx/gdicmn.h>
#include <wx/image.h>

#include "gui/app/MainFrame.h"
#include "gui/widgets/Art.h"
#include "platform/DesktopIntegration.h"

namespace harbinet {

namespace {

// The names the icons are installed under in the hicolor theme.
constexpr const char* kThemeIcon[2] = {"io.github.harbinet.harbinet-tray",
                                       "io.github.harbinet.harbinet-tray-busy"};

// Hosts that do not know where the click was say 0, 0: the pointer is there.
wxPoint ClickPoint(int x, int y) {
    return x == 0 && y == 0 ? wxGetMousePosition() : wxPoint(x, y);
}

}  // namespace

NotifierPixmap NotifierPixels(const wxImage& image) {
    NotifierPixmap pixmap{image.GetWidth(), image.GetHeight(), {}};
    pixmap.argb.reserve(static_cast<std::size_t>(pixmap.width) * pixmap.height * 4);
    const bool alpha = image.HasAlpha();
    for (int y = 0; y < pixmap.height; ++y)
        for (int x = 0; x < pixmap.width; ++x) {
            const bool masked = image.HasMask() && image.IsTransparent(x, y);
            pixmap.argb.push_back(alpha ? image.GetAlpha(x, y) : masked ? 0 : 255);
            pixmap.argb.push_back(image.GetRed(x, y));
            pixmap.argb.push_back(image.GetGreen(x, y));
            pixmap.argb.push_back(image.GetBlue(x, y));
        }
    return pixmap;
}

std::vector<NotifierMenuEntry> NotifierMenu(const std::vector<TrayMenuItem>& items) {
    std::vector<NotifierMenuEntry> entries;
    for (const TrayMenuItem& item : items) {
        NotifierMenuEntry entry;
        entry.label = item.text;
        switch (item.kind) {
            case TrayMenuItem::Kind::Separator:
                entry.kind = NotifierMenuEntry::Kind::Separator;
                break;
            case TrayMenuItem::Kind::SubMenu:
                entry.kind = NotifierMenuEntry::Kind::SubMenu;
                entry.entries = NotifierMenu(item.items);
                break;
            case TrayMenuItem::Kind::Command:
                entry.command = item.command;
                entry.mark = item.radio     ? NotifierMenuEntry::Mark::Radio
                             : item.checked ? NotifierMenuEntry::Mark::Check
                                            : NotifierMenuEntry::Mark::None;
                entry.marked = item.radio || item.checked;
                break;
        }
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::unique_ptr<NotifierTray> NotifierTray::Make(MainFrame& frame, bool hostPresent) {
    auto tray = std::unique_ptr<NotifierTray>(new NotifierTray(frame, hostPresent));
    StatusNotifier::Events events;
    // The host waits for nothing: each click is handled once its call has been answered.
    events.activate = [&frame](int x, int y) {
        frame.CallAfter([&frame, at = ClickPoint(x, y)] { frame.OnTrayLeftPress(at); });
    };
    events.secondaryActivate = [&frame](int, int) {
        frame.CallAfter([&frame] { frame.OnTrayDoubleClick(); });
    };
    events.contextMenu = [&frame](int, int) {
        frame.CallAfter([&frame] { frame.ShowTrayMenu(); });
    };
    events.command = [&frame](int command) { frame.PostCommand(command); };
    events.menuAboutToShow = [&frame] { frame.RefreshTrayMenu(); };
    tray->item_ = MakeStatusNotifier("harbinet", "Harbinet", std::move(events));
    if (!tray->item_) return nullptr;
    tray->installed_ = !desktop::InstalledDataFolder(frame.State().OwnFolder).empty();
    return tray;
}

NotifierTray::NotifierTray(MainFrame& frame, bool hostAtStart)
    : frame_(frame), hostAtStart_(hostAtStart) {}

// Each picture is decoded when first shown: the busy one may never be.
const NotifierIcon& NotifierTray::Icon(bool busy) {
    NotifierIcon& icon = icons_[busy];
    if (!icon.pixmaps.empty()) return icon;
    for (const wxImage& image : ui::TrayIconImages(busy))
        icon.pixmaps.push_back(NotifierPixels(image));
    if (installed_) icon.themeName = kThemeIcon[busy];
    return icon;
}

void NotifierTray::Show(bool busy, const wxString& tooltip) {
    item_->Show(Icon(busy), tooltip.utf8_string());
    shown_ = true;
}

void NotifierTray::Hide() {
    item_->Hide();
    shown_ = false;
}

// For hosts that ask the item to pop its menu up itself.
void NotifierTray::ShowMenu(wxMenu& menu) {
    frame_.PopupMenu(&menu);
}

void NotifierTray::SetMenu(const std::vector<TrayMenuItem>& items) {
    item_->SetMenu(NotifierMenu(items));
}

}  // namespace harbinet
