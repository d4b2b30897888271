// Manual Mode, where the user picks the season, and Automatic Mode, where the season timer
// keeps the installed terrain in step with the active career.
#pragma once

#include "shell/FrameState.h"

namespace harbinet {

// The season timer's period: "Timer" seconds in milliseconds, wrapping in 32 bits as the
// program always computed it.
std::uint32_t SeasonTimerPeriod(const FrameState& state);

// Start-up in Automatic Mode ("Mode" 1; nothing otherwise): starts the season timer and runs
// the first check. When no timer can be made the user is told and the mode stays, idle.
void StartAutomaticMode(FrameState& state);

// Command 114. When no timer can be made the user is told and nothing else changes.
void SwitchToAutomaticMode(FrameState& state);

// Command 115. The installed terrain is not touched.
void SwitchToManualMode(FrameState& state);

// Command 117, also run after the user has set the active career: installs the season of the
// newest career even when nothing changed.
void RefreshSeasonNow(FrameState& state);

// Every tick of the season timer.
void SeasonTimerTick(FrameState& state);

}  // namespace harbinet
