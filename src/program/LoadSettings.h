// Start-up's reading of the settings file.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Who loads the settings: the program once per start, or a verb of harbinet-cli.
enum class StartedBy { Program, Verb };

// Checks that the game is where the program expects it, finishes a change that a kill cut short
// (the program also retries one that failed), installs on the first run (no "Mode"), upgrades
// older settings and reads the settings. Without the game nothing is made. The folders are
// already set from the executable's path. What happens is told through the host.
void LoadSettings(ProgramState& state, StartedBy startedBy = StartedBy::Program);

}  // namespace harbinet
