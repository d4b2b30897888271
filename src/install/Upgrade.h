// Brings a settings file of an older layout up to the current one.
#pragma once

#include <string>
#include <string_view>

#include "model/ProgramState.h"

namespace harbinet {

// Layout 22 is left alone. Below 12 (or missing, or no number) the file is discarded and the
// first installation runs; the user is told of a copy kept as the file's name + ".old", and the
// file is kept as it is when that copy cannot be made. 12, 13 and 20 are brought up step by step,
// each step writing the settings file once; any other layout from 12 up gets only the final step,
// which tells the user and makes a new desktop entry.
void UpgradeSettings(ProgramState& state);

// "SkinFiles" without the two standard skin patterns, in order, joined by ",".
std::string CommonPatterns(std::string_view skinFiles);

}  // namespace harbinet
