// Brings a settings file of an older layout up to the current one.
#pragma once

#include <string>
#include <string_view>

#include "change/Change.h"
#include "model/ProgramState.h"

namespace harbinet {

// What the stored layout needs: nothing (22, or a newer program's layout, which is left as it
// is), a new installation (below 12, missing, or no number), or the steps: 12, 13 and 20 are
// brought up step by step, any other layout from 12 up gets only the final step.
enum class UpgradeKind { None, Reinstall, Steps };
UpgradeKind UpgradeNeeded(const Settings& settings);

// Before a new installation: the settings file is kept as its name + ".old" (backup names it) and
// removed. When the copy cannot be made the file stays as it is.
Result DiscardOldSettings(ProgramState& state, std::string& backup);

// Makes a new desktop entry, then brings the settings up to 22 as one change.
ChangeResult UpgradeSettings(ProgramState& state);

// "SkinFiles" without the two standard skin patterns, in order, joined by ",".
std::string CommonPatterns(std::string_view skinFiles);

}  // namespace harbinet
