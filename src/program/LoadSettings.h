// Start-up's reading of the settings file.
#pragma once

#include "model/ProgramState.h"

namespace harbinet {

// Checks that the game is where the program expects it, installs on the first run (no "Mode"),
// upgrades older settings, and reads the mirrored settings into the state. The folders are
// already set from the executable's path.
void LoadSettings(ProgramState& state);

}  // namespace harbinet
