#include "gui/app/Tray.h"

#include "gui/app/TrayIcon.h"
#include "platform/DesktopIntegration.h"
#ifdef __WXGTK__
#include "gui/app/NotifierTray.h"
#endif

namespace harbinet {

std::unique_ptr<Tray> MakeTray(MainFrame& frame) {
#ifdef __WXGTK__
    const desktop::TrayChoice choice = desktop::ChosenTray();
    if (choice != desktop::TrayChoice::XEmbed) {
        const bool hosted = StatusNotifierHostPresent();
        // Without any tray now, the item waits for a panel that hosts it.
        if (choice == desktop::TrayChoice::StatusNotifier || hosted ||
            !wxTaskBarIcon::IsAvailable())
            if (std::unique_ptr<NotifierTray> tray = NotifierTray::Make(frame, hosted)) return tray;
    }
#endif
    return std::make_unique<TrayIcon>(frame);
}

}  // namespace harbinet
