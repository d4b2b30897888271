#include "install/Autostart.h"

#include <cstring>

#include "install/DesktopShortcut.h"
#include "model/Strings.h"
#include "platform/DesktopIntegration.h"

namespace harbinet {

Result SetStartWithDesktop(const Folders& folders, bool start) {
    const int error =
        desktop::SetStartWithDesktop(ProgramLauncher(folders, text::kProgramTitle), start);
    if (error == 0) return {};
    const std::string place = desktop::StartWithDesktopPlace();
    return Result::Failure(Format(text::kAutostartFailed, place.c_str(), std::strerror(error)),
                           place);
}

}  // namespace harbinet
