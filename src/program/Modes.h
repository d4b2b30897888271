// Manual Mode, where the user picks the season, and Automatic Mode, where the season timer
// keeps the installed terrain in step with the active career. The timer is the host's; these
// are the only operations that start it.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Starts the season timer, or tells the user that it could not be made; true when it runs.
bool StartSeasonTimer(ProgramState& state);

// Start-up in Automatic Mode (nothing otherwise): starts the season timer and runs the first
// check. When no timer can be made the user is told and the mode stays, idle.
void StartAutomaticMode(ProgramState& state);

// "Automatic Mode". When no timer can be made the user is told and nothing else changes.
void SwitchToAutomaticMode(ProgramState& state);

// "Manual Mode". The installed terrain is not touched.
void SwitchToManualMode(ProgramState& state);

// "Use Proper Season Terrain", also run after the user has set the active career: installs
// the season of the newest career even when nothing changed.
void RefreshSeasonNow(ProgramState& state);

// Every tick of the season timer.
void SeasonTimerTick(ProgramState& state);

}  // namespace harbinet
