// The program's launcher on the user's desktop: a desktop entry standing in for a shell link.
#pragma once

#include <string>
#include <vector>

#include "model/Folders.h"

namespace harbinet {

// The text of a desktop entry named name that runs command (program and arguments) in
// workingFolder.
std::string DesktopEntryText(const std::vector<std::string>& command, const std::string& name,
                             const std::string& workingFolder, const std::string& icon);

// Writes "Harbinet 2.2b.desktop" into the user's desktop folder (created when missing), starting
// the program for its folders (Folders::StartCommand), executable so that desktops launch it. An
// entry of that name for the same folder is replaced; one for another folder (or any other file
// of that name) stays, and this folder's entry is "Harbinet 2.2b (2).desktop", or the next free
// number. 0 on success, else an errno value.
int CreateDesktopShortcut(const Folders& folders);

}  // namespace harbinet
