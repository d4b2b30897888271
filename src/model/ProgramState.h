// What the running program holds: its folders, its settings, the career
// last acted on, and the host and desktop through which operations reach the user.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "model/Folders.h"
#include "model/Host.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/InstallationLock.h"

namespace harbinet {

// Who asks for the changes under way, as the history tells it.
enum class ChangeOrigin {
    Tray,          // a command of the tray menu or one of its windows
    Automatic,     // the season timer and Automatic Mode's check at start-up
    Cli,           // a verb of harbinet-cli
    LauncherHook,  // harbinet-cli refresh -- COMMAND
    StartUp,       // the first installation, an upgrade, a change finished at start-up
};

using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;

struct ProgramState : Folders {
    ProgramState(Folders folders, Host& ui, Desktop& desk)
        : Folders(std::move(folders)), settings(SettingsPath), host(ui), desktop(desk) {}

    // The settings file, as read at start-up and after each change.
    Settings settings;

    // The career last acted on by the active-career check.
    std::string LastCareerPath;
    files::FileTime LastCareerTime = 0;
    std::string CareerName = text::kNoCurrentCareer;
    std::string CareerDate;

    Host& host;
    Desktop& desktop;

    // The game folder's change lock, held by the changes of this process (one at a time), and
    // whether the last change failed in part.
    std::unique_ptr<InstallationLock> changeLock;
    std::chrono::milliseconds changeLockWait{10000};  // for another process's change to end
    int changeLockHolds = 0;
    bool changeRunning = false;
    bool changeFailed = false;

    // The tray menu's unless a front-end says otherwise for a while (OriginScope).
    ChangeOrigin origin = ChangeOrigin::Tray;
    // What changes are timed and their progress spaced by.
    SteadyClock clock = std::chrono::steady_clock::now;
};

// Sets who asks for the changes made while it lives, then gives back the one before.
class OriginScope {
  public:
    OriginScope(ProgramState& state, ChangeOrigin origin) : state_(state), before_(state.origin) {
        state_.origin = origin;
    }
    ~OriginScope() { state_.origin = before_; }
    OriginScope(const OriginScope&) = delete;
    OriginScope& operator=(const OriginScope&) = delete;

  private:
    ProgramState& state_;
    ChangeOrigin before_;
};

}  // namespace harbinet
