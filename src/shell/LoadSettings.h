#pragma once

#include "shell/FrameState.h"

namespace harbinet {

// Start-up: checks that the game is where the program expects it, installs on the first run,
// upgrades older settings, and reads the mirrored settings into the frame state. The folders
// are already set from the executable's path.
void LoadSettings(FrameState& state);

// Reads the mirrored keys of the settings file into the frame state; "Mode" too unless
// readMode is false (start-up reads it before installing and not again).
void ReadMirroredSettings(FrameState& state, bool readMode = true);

}  // namespace harbinet
