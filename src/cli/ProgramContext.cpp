#include "cli/ProgramContext.h"

#include <cstdio>

#include "program/LoadSettings.h"

namespace harbinet::cli {

void CliHost::ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (icon == MessageIcon::Error) errorShown = true;
}

bool CliHost::AskYesNo(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(), answerYes_ ? "Yes" : "No");
    return answerYes_;
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "harbinet-cli: %s\n", message.c_str());
    return 2;
}

ProgramContext::ProgramContext(const Invocation& inv)
    : host_(inv.yes),
      desktop_(MakeSystemDesktop()),
      state_(std::make_unique<ProgramState>(Folders::FromExecutable(inv.folder + "harbinet"), host_,
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

}  // namespace harbinet::cli
