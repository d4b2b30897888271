#include "cli/ProgramContext.h"

#include <cstdio>

#include "shell/Commands.h"
#include "shell/LoadSettings.h"

namespace harbinet::cli {

ProgramContext::ProgramContext(const Invocation& inv)
    : ui_(inv.yes),
      desktop_(MakeSystemDesktop()),
      state_(std::make_unique<FrameState>(Folders::FromExecutable(inv.folder + "harbinet"), ui_,
                                          *desktop_)) {}

bool ProgramContext::RefuseWhileRunning() {
    if (!desktop_->WindowExists(text::kProgramTitle)) return false;
    std::fprintf(stderr,
                 "harbinet-cli: Harbinet is running and holds the same settings; use its tray "
                 "menu, or close it first\n");
    return true;
}

void ProgramContext::LoadSettings() {
    harbinet::LoadSettings(*state_);
}

void ProgramContext::RunPosted() {
    // A posted command may post more; the program's queue is bounded by what its commands
    // post, which is never another post from a season command.
    while (!ui_.posted.empty()) {
        const int command = ui_.posted.front();
        ui_.posted.pop_front();
        RunCoreCommand(*state_, command);
    }
}

}  // namespace harbinet::cli
