// The user's own folders, where the desktop keeps launchers.
#pragma once

#include <string>

namespace harbinet::files {

// The user's home folder, ending in "/": $HOME, else the account's home folder.
std::string HomeFolder();

// The user's configuration folder, ending in "/": $XDG_CONFIG_HOME, else ~/.config/.
std::string ConfigFolder();

// The user's desktop folder, ending in "/": XDG_DESKTOP_DIR of
// $XDG_CONFIG_HOME/user-dirs.dirs (default ~/.config), read as xdg-user-dir reads it, else
// the home folder + "Desktop/".
std::string DesktopFolder();

// The user's download folder, ending in "/": XDG_DOWNLOAD_DIR, read as for the desktop, else
// the home folder + "Downloads/". It may not exist.
std::string DownloadFolder();

}  // namespace harbinet::files
