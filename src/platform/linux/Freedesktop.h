// The freedesktop.org formats the Linux desktop integration reads and writes: desktop entries
// and the user-dirs file that names the user's folders.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harbinet {

// The text of a desktop entry named name that runs command (program and arguments) in
// workingFolder.
std::string DesktopEntryText(const std::vector<std::string>& command, const std::string& name,
                             const std::string& workingFolder, const std::string& icon);

namespace files {

// The folder XDG_<name>_DIR names in the text of a user-dirs.dirs file, ending in "/"; empty
// when the text names none. home ends in "/".
std::string UserDirFromUserDirs(std::string_view text, std::string_view name,
                                const std::string& home);

}  // namespace files

}  // namespace harbinet
