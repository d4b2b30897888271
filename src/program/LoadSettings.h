// Start-up's reading of the settings file.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Checks that the game is where the program expects it, installs on the first run (no "Mode"),
// upgrades older settings, reads the mirrored settings into the state and finishes a change of
// the game folder that was cut short. The folders are already set from the executable's path.
void LoadSettings(ProgramState& state);

// Only the reading, for a reader while someone else may be changing the installation.
void ReadSettings(ProgramState& state);

}  // namespace harbinet
