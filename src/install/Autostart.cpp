#include "install/Autostart.h"

#include <cstring>

#include "install/DesktopShortcut.h"
#include "model/Strings.h"
#include "platform/DesktopIntegration.h"

namespace harbinet {

Result SetStartWithDesktop(const Folders& folders, bool start) {
    const auto failure =
        desktop::SetStartWithDesktop(ProgramLauncher(folders, text::kProgramTitle), start);
    if (!failure) return {};
    const std::string place = desktop::StartWithDesktopPlace();
    if (failure->function)
        return Result::Failure(
            Format(text::kRegistryError, failure->function, static_cast<unsigned>(failure->code)),
            place);
    return Result::Failure(
        Format(text::kAutostartFailed, place.c_str(), std::strerror(failure->error)), place);
}

}  // namespace harbinet
