// The fixed ids of the program's windows: its timers and the commands its controls post.
#pragma once

namespace harbinet::ui::id {

// The splash's timer and the frame's.
enum TimerId : int {
    kSplashTimer = 1,
    kSeasonTimer,
    kPanelDelayTimer,
    kPanelHideTimer,
};

// Commands of the bitmap buttons (OK and Cancel post wxID_OK and wxID_CANCEL) and of the career
// lines.
enum CommandId : int {
    kAddCommand = 1,
    kDeleteCommand,
    kReadmeCommand,
    kModifyCommand,
    kBrowseCommand,
    kSkinsCommand,
    kPrevCommand,
    kNextCommand,
    kSeasonCommand,
    kResetCommand,
    // Set Active Career: line i posts kFirstCareerLine + i.
    kFirstCareerLine = 100,
};

}  // namespace harbinet::ui::id
