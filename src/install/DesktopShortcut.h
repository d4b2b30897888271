// The program's launcher on the user's desktop: a desktop entry standing in for a shell link.
#pragma once

#include <string>

#include "model/Folders.h"

namespace harbinet {

// The text of a desktop entry named name that starts target in workingFolder.
std::string DesktopEntryText(const std::string& target, const std::string& name,
                             const std::string& workingFolder, const std::string& icon);

// Writes "Harbinet 2.2b.desktop" into the user's desktop folder (created when missing), starting
// the running program in its own folder, executable so that desktops launch it; an entry of the
// same name is replaced. 0 on success, else an errno value.
int CreateDesktopShortcut(const Folders& folders);

}  // namespace harbinet
