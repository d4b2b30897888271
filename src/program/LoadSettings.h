// Start-up's reading of the settings file.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Who loads the settings: the program once per start, or a verb of harbinet-cli.
enum class StartedBy { Program, Verb };

// Checks that the game is where the program expects it, finishes a change that a kill cut short
// (the program also retries one that failed), installs on the first run (no "Mode"), upgrades
// older settings and reads the mirrored settings into the state. Without the game nothing is
// made. The folders are already set from the executable's path.
void LoadSettings(ProgramState& state, StartedBy startedBy = StartedBy::Program);

// Only the reading, for a reader while someone else may be changing the installation.
void ReadSettings(ProgramState& state);

}  // namespace harbinet
