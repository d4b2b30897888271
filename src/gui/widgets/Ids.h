// The fixed ids of the program's windows: timers, pictures and the commands its controls post.
#pragma once

namespace harbinet::ui::id {

enum : int {
    // Timers.
    kSplashTimer = 1,
    kSeasonTimer = 2,
    kPanelDelayTimer = 3,
    kPanelHideTimer = 4,

    // Tray icons: normal, and while terrain or skins change.
    kTrayIcon = 166,
    kTrayIconBusy = 173,

    // Commands of the bitmap buttons (OK and Cancel post wxID_OK and wxID_CANCEL).
    kAddCommand = 133,
    kDeleteCommand = 134,
    kReadmeCommand = 135,
    kModifyCommand = 136,
    kBrowseCommand = 137,
    kSkinsCommand = 139,
    kPrevCommand = 140,
    kNextCommand = 141,
    kSeasonCommand = 143,
    kResetCommand = 144,

    // Set Active Career: line i posts kFirstCareerLine + i.
    kFirstCareerLine = 200,
};

}  // namespace harbinet::ui::id
