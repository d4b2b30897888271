// The run-time state the main frame owns: the folders, the mirrors of the settings it keeps in
// memory, and the career last acted on. Core operations take it, and reach the user and the
// desktop through the two services it carries.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Desktop.h"
#include "platform/Files.h"
#include "shell/FrameServices.h"
#include "shell/Settings.h"
#include "shell/Strings.h"

namespace harbinet {

struct FrameState : Folders {
    FrameState(Folders folders, FrameServices& ui, Desktop& desktop)
        : Folders(std::move(folders)), Ui(ui), Desk(desktop) {}

    // Mirrors of the settings file.
    std::int32_t Mode = 0;          // 1 Automatic, 0 Manual
    std::uint32_t Timer = 30;       // season check period in seconds
    std::int32_t Terrain = 0;       // installed season 1..4, 0 none recorded
    std::int32_t TerrainSet = 0;    // active set 1..25, 0 the game's default terrain
    std::uint32_t ClickDefault = 0;
    std::uint32_t LoadOnStart = 0;
    std::uint32_t CopySkins = 0;
    std::uint32_t LaunchAfter = 0;
    bool OleReady = false;

    // The career last acted on by the active-career check.
    std::string LastCareerPath;
    files::FileTime LastCareerTime = 0;
    std::string CareerName = text::kNoCurrentCareer;
    std::string CareerDate;

    FrameServices& Ui;
    Desktop& Desk;

    SettingsStore Settings() const { return SettingsStore(SettingsPath); }
};

}  // namespace harbinet
