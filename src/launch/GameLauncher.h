// Launching the game and, through the same process start, the external applications.
#pragma once

#include <string>
#include <vector>

#include "model/ProgramState.h"

namespace harbinet {

// True when the file begins with the two bytes "MZ" of a Windows executable.
bool IsWindowsExecutable(const std::string& path);

// The program and arguments that start the executable: a Windows executable goes through the
// runner (key "Runner" of the settings, else the system's, desktop::DefaultWindowsRunner) with
// its path as the argument; anything else runs itself, without arguments.
std::vector<std::string> LaunchArguments(const ProgramState& state, const std::string& executable);

// Starts the executable on its own in the working folder; "Unable to launch %s" when it could
// not be started.
Result StartProcess(ProgramState& state, const std::string& executable,
                    const std::string& workingFolder);

// Brings the game's window forward when the game runs, else starts "EAW.EXE" of GameFolder.
Result LaunchGame(ProgramState& state);

}  // namespace harbinet
