// What the running program holds: its folders, its settings, the career
// last acted on, and the host and desktop through which operations reach the user.
#pragma once

#include <chrono>
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
};

}  // namespace harbinet
