// Brings a settings file of an older layout up to the current one.
#pragma once

#include <string>

#include "shell/FrameState.h"

namespace harbinet {

namespace text {
inline constexpr const char* kUpgraded = "Harbinet has been upgraded to Version 2.2b";
}  // namespace text

// Layout 22 is left alone. Below 12 (or missing) the file is discarded and the first
// installation runs. 12, 13 and 20 are brought up step by step; any other layout from 12 up
// gets only the final step, which tells the user and makes a new desktop entry.
void UpgradeSettings(FrameState& state, const std::string& executablePath);

// "SkinFiles" without the two standard skin patterns, in order, joined by ",".
std::string CommonPatterns(std::string_view skinFiles);

}  // namespace harbinet
