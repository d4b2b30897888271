// The external applications of section External: resolving their stored paths and starting
// them from the tray menu's "Launch" sub-menu.
#pragma once

#include <string>

#include "model/ProgramState.h"

namespace harbinet {

// A stored path as the program reads it: "../" (or "..\" as written on Windows) at the start
// is GameFolder, an absolute path (or a Windows drive path) stands as it is, anything else is
// relative to OwnFolder.
std::string ResolveAppPath(const ProgramState& state, const std::string& value);

// Application slot 1..25 in use: a Windows program (through the runner) or an executable file
// is started in its own folder; anything else, a folder or an empty path (the program's folder)
// included, goes to the desktop's "open". A free slot is "External application slot N is empty".
Result LaunchExternalApp(ProgramState& state, unsigned slot);

}  // namespace harbinet
