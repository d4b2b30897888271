#include "install/Autostart.h"

#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "install/DesktopShortcut.h"
#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"

namespace harbinet {

std::string AutostartEntryPath() {
    return files::ConfigFolder() + "autostart/harbinet.desktop";
}

int RegisterRunAtStartup(const Folders& folders, bool load) {
    const std::string path = AutostartEntryPath();
    if (!load) {
        if (::unlink(path.c_str()) == 0 || errno == ENOENT) return 0;
        return errno;
    }
    std::error_code ec;
    const std::string folder = path.substr(0, path.rfind('/') + 1);
    std::filesystem::create_directories(folder, ec);
    if (ec && !files::FolderExists(folder)) return ec.value();
    const std::string text =
        DesktopEntryText(folders.StartCommand(), text::kProgramTitle, folders.OwnFolder,
                         folders.OwnFolder + "harbinet.png");
    errno = 0;
    if (files::WriteFileAtomic(path, text)) return 0;
    return errno != 0 ? errno : EIO;
}

}  // namespace harbinet
