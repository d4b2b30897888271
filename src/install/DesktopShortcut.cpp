#include "install/DesktopShortcut.h"

#include <cstring>

#include "model/Strings.h"
#include "platform/UserFolders.h"

namespace harbinet {

desktop::Launcher ProgramLauncher(const Folders& folders, const std::string& name) {
    return {folders.StartCommand(), name, folders.OwnFolder, folders.OwnFolder + "harbinet.png"};
}

Result CreateDesktopShortcut(const Folders& folders) {
    const int error = desktop::PutOnDesktop(ProgramLauncher(folders, text::kProgramVersionTitle));
    if (error == 0) return {};
    const std::string place = files::DesktopFolder();
    return Result::Failure(Format(text::kDesktopEntryFailed, place.c_str(), std::strerror(error)),
                           place);
}

}  // namespace harbinet
