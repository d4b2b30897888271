// Where an install for all users keeps the files of every program folder: the same layout on
// every system ("bin/" beside "share/harbinet/"), as `cmake --install` and the Windows installer
// lay it out.
#include "platform/DesktopIntegration.h"
#include "platform/Files.h"

namespace harbinet::desktop {

std::string InstalledDataFolder(const std::string& programFolder) {
    if (programFolder.size() < 2) return {};
    const std::string data =
        files::FolderOf(programFolder.substr(0, programFolder.size() - 1)) + "share/harbinet/";
    return files::FolderExists(data) ? data : std::string();
}

}  // namespace harbinet::desktop
