// What the running program holds: its folders, the settings it mirrors in memory, the career
// last acted on, and the host and desktop through which operations reach the user.
#pragma once

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/Folders.h"
#include "model/Host.h"
#include "model/Season.h"
#include "model/Settings.h"
#include "model/Strings.h"
#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/InstallationLock.h"

namespace harbinet {

struct ProgramState : Folders {
    ProgramState(Folders folders, Host& ui, Desktop& desk)
        : Folders(std::move(folders)), host(ui), desktop(desk) {}

    // Mirrors of the settings file.
    OperatingMode Mode = OperatingMode::Manual;
    std::uint32_t Timer = 30;     // season check period in seconds
    std::int32_t Terrain = 0;     // installed season as stored: 1..4, anything else none
    std::int32_t TerrainSet = 0;  // active set 1..25, 0 the game's default terrain
    bool ClickDefault = false;
    bool LoadOnStart = false;
    bool CopySkins = false;
    bool LaunchAfter = false;

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

    bool Automatic() const { return Mode == OperatingMode::Automatic; }
    std::optional<Season> InstalledSeason() const { return SeasonFromStored(Terrain); }
    SettingsStore Settings() const { return SettingsStore(SettingsPath); }
};

}  // namespace harbinet
