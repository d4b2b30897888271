// The program's launcher on the user's desktop: a desktop entry standing in for a shell link.
#pragma once

#include <string>

#include "shell/FrameState.h"

namespace harbinet {

// The name installation and upgrade give the entry.
inline constexpr const char* kShortcutName = "Harbinet 2.2b";

// The text of a desktop entry that starts target with arguments (split at blanks outside
// double quotes) in workingFolder. name is shown without a ".desktop" ending.
std::string DesktopEntryText(const std::string& target, const std::string& arguments,
                             const std::string& name, const std::string& workingFolder,
                             const std::string& icon);

// Writes the desktop entry name (".desktop" appended unless the name already has it in any
// letter case) into the desktop folder, creating that folder when missing, executable so that
// desktops launch it; an entry of the same name is replaced. With makeFolder a folder of that
// name is created instead. 0 on success, else an errno value.
int CreateDesktopShortcut(FrameState& state, const std::string& target,
                          const std::string& arguments, const std::string& name,
                          const std::string& workingFolder, bool makeFolder);

}  // namespace harbinet
