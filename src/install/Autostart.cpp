#include "install/Autostart.h"

#include "install/DesktopShortcut.h"
#include "model/Strings.h"
#include "platform/DesktopIntegration.h"

namespace harbinet {

int SetStartWithDesktop(const Folders& folders, bool start) {
    return desktop::SetStartWithDesktop(ProgramLauncher(folders, text::kProgramTitle), start);
}

}  // namespace harbinet
