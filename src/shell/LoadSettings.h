#pragma once

#include "shell/FrameState.h"

namespace harbinet {

// Start-up: checks that the game is where the program expects it, and reads the mirrored
// settings into the frame state. The folders are already set from the executable's path.
void LoadSettings(FrameState& state);

// Reads the mirrored keys of the settings file into the frame state ("Mode" included).
void ReadMirroredSettings(FrameState& state);

}  // namespace harbinet
