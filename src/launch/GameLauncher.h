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
// its path as the argument; anything else runs itself. The command line, when given, is the
// executable's own path (a Windows command line starts with the program's name), so it adds no
// argument.
std::vector<std::string> LaunchArguments(const ProgramState& state, const std::string& executable,
                                         const std::string* commandLine);

// Starts the executable on its own in the working folder. False, after "Unable to launch %s",
// when it could not be started.
bool StartProcess(ProgramState& state, const std::string& executable,
                  const std::string* commandLine, const std::string& workingFolder);

// Brings the game's window forward when the game runs, else starts "EAW.EXE" of GameFolder.
void LaunchGame(ProgramState& state);

}  // namespace harbinet
