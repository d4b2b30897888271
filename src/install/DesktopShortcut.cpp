#include "install/DesktopShortcut.h"

#include "model/Strings.h"

namespace harbinet {

desktop::Launcher ProgramLauncher(const Folders& folders, const std::string& name) {
    return {folders.StartCommand(), name, folders.OwnFolder, folders.OwnFolder + "harbinet.png"};
}

int CreateDesktopShortcut(const Folders& folders) {
    return desktop::PutOnDesktop(ProgramLauncher(folders, text::kProgramVersionTitle));
}

}  // namespace harbinet
