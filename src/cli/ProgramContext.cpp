#include "cli/ProgramContext.h"

#include "shell/LoadSettings.h"

namespace harbinet::cli {

ProgramContext::ProgramContext(const Invocation& inv)
    : ui_(inv.yes),
      desktop_(MakeSystemDesktop()),
      state_(Folders::FromExecutable(inv.folder + "harbinet"), ui_, *desktop_) {
    LoadSettings(state_);
}

}  // namespace harbinet::cli
