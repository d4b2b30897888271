#include "cli/ProgramContext.h"

#include <charconv>
#include <cstdio>

#include "change/PlanListing.h"
#include "platform/Console.h"
#include "platform/Profile.h"
#include "program/LoadSettings.h"
#include "program/Report.h"
#include "program/TrayMenu.h"

namespace harbinet::cli {

CliHost::CliHost(bool answerYes)
    : answerYes_(answerYes), terminal_(console::StandardErrorIsTerminal()) {}

void CliHost::ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    if (icon == MessageIcon::Error) errorShown = true;
}

bool CliHost::AskYesNo(const std::string& caption, const std::string& text) {
    std::fprintf(stderr, "%s: %s [%s]\n", caption.c_str(), text.c_str(), answerYes_ ? "Yes" : "No");
    return answerYes_;
}

void CliHost::ShowProgress(const ChangeProgress& p) {
    if (!terminal_) return;
    // "\033[K" clears what a longer line before left on the right.
    if (p.finished) {
        std::fputs("\r\033[K", stderr);
        return;
    }
    if (state) std::fprintf(stderr, "\r%s\033[K", ProgressLine(*state, p).c_str());
}

std::optional<unsigned> NumberArgument(const std::string& text, unsigned first, unsigned last) {
    unsigned n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || n < first ||
        n > last || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return n;
}

Folders FoldersOf(const Invocation& inv) {
    return Folders::Serving(inv.folder, inv.program);
}

int UsageError(const std::string& message) {
    std::fprintf(stderr, "harbinet-cli: %s\n", message.c_str());
    return 2;
}

ProgramContext::ProgramContext(const Invocation& inv)
    : host_(inv.yes),
      programLock_(inv.folder),
      desktop_(MakeSystemDesktop()),
      state_(std::make_unique<ProgramState>(FoldersOf(inv), host_, *desktop_)) {
    host_.state = state_.get();
    state_->origin = inv.launcherHook ? ChangeOrigin::LauncherHook : ChangeOrigin::Cli;
}

ProgramContext::~ProgramContext() = default;

bool ProgramContext::ProgramRuns() {
    // A folder without a lock file of its own can only be told running by the window.
    return programLock_.Usable() ? programLock_.HeldElsewhere(InstallationLock::Kind::Program)
                                 : desktop_->WindowExists(text::kProgramTitle);
}

bool ProgramContext::RefuseWhileRunning() {
    if (ProgramRuns()) {
        std::fprintf(stderr,
                     "harbinet-cli: Harbinet is running and holds the same settings; use its "
                     "tray menu, or close it first\n");
        return true;
    }
    changing_ = std::make_unique<ChangeLockHold>(*state_, std::chrono::seconds(10));
    if (changing_->Held()) return false;
    changing_.reset();
    std::fprintf(stderr, "harbinet-cli: %s\n", text::kChangeUnderWay);
    return true;
}

void ProgramContext::LoadSettings() {
    if (!changing_ && !ProgramRuns()) {
        changing_ = std::make_unique<ChangeLockHold>(*state_, std::chrono::milliseconds(0));
        if (!changing_->Held()) changing_.reset();
    }
    if (changing_)
        harbinet::LoadSettings(*state_, StartedBy::Verb);
    else
        state_->settings.Reload();
}

bool ProgramContext::ReadInstalledSettings() {
    ProgramState& s = *state_;
    std::string text;
    if (files::Stamp(s.SettingsPath).type != files::FileStamp::Type::Missing &&
        !profile::ReadFile(s.SettingsPath, text)) {
        std::fprintf(stderr, "harbinet-cli: the settings file %s cannot be read\n",
                     s.SettingsPath.c_str());
        return false;
    }
    s.settings.Reload();
    if (s.settings.Mode() != OperatingMode::NotInstalled) return true;
    std::fprintf(stderr,
                 "harbinet-cli: %s holds no installation of Harbinet; start Harbinet once\n",
                 s.SettingsPath.c_str());
    return false;
}

bool ProgramContext::PlanOnly(const std::function<ChangeSpec(ProgramState&)>& make, Plan& plan) {
    if (!ReadInstalledSettings()) return false;
    ProgramState& state = *state_;
    // Another change's end is not waited for: what it leaves is not known yet.
    state.changeLockWait = std::chrono::milliseconds(0);
    const ChangeResult result = PlanChange(state, make(state), plan);
    ReportChange(state, result);
    return !result.refused;
}

int ShowPlan(const Invocation& inv, const std::function<ChangeSpec(ProgramState&)>& make) {
    ProgramContext program(inv);
    Plan plan;
    if (!program.PlanOnly(make, plan)) return 1;
    std::fputs(PlanLines(plan, program.State()).c_str(), stdout);
    return program.ExitStatus();
}

bool TakeDryRun(std::vector<std::string>& args) {
    return std::erase(args, std::string("--dry-run")) > 0;
}

int RunAsProgram(const Invocation& inv, const std::function<void(ProgramState&)>& operation) {
    ProgramContext program(inv);
    if (program.RefuseWhileRunning()) return 1;
    program.LoadSettings();
    operation(program.State());
    return program.ExitStatus();
}

}  // namespace harbinet::cli
