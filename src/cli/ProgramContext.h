// What a verb that acts as the program needs: the program's folders for --folder, its state,
// messages on standard error and the real desktop.
#pragma once

#include <functional>
#include <memory>

#include "change/Change.h"
#include "cli/Cli.h"
#include "model/ProgramState.h"
#include "platform/InstallationLock.h"

namespace harbinet::cli {

class ProgramContext {
  public:
    // The program taken as installed in inv.folder; nothing is read yet.
    explicit ProgramContext(const Invocation& inv);
    ~ProgramContext();

    // True when Harbinet itself runs for this folder.
    bool ProgramRuns();
    // Takes the game folder's change lock for the verb, waiting briefly for another change to
    // end. True, after saying why, when nothing may be changed: the program runs (it holds the
    // same state and would not see changes made behind its back), or another change did not end.
    bool RefuseWhileRunning();
    // Start-up's reading of the settings, reporting what start-up would report. While the program
    // runs or another change holds the lock, the settings are only read.
    void LoadSettings();

    // For verbs that only read or plan: the settings as they are, nothing resumed, installed or
    // upgraded. False, after saying why, when they hold no installation to read.
    bool ReadInstalledSettings();
    // Plans the change `make` gives on those settings and runs nothing. False, after saying why,
    // when there is no installation or the change could not begin now.
    bool PlanOnly(const std::function<ChangeSpec(ProgramState&)>& make, Plan& plan);

    ProgramState& State() { return *state_; }
    // 1 when an error message was shown, else 0.
    int ExitStatus() const { return host_.errorShown ? 1 : 0; }

  private:
    CliHost host_;
    InstallationLock programLock_;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<ChangeLockHold> changing_;
};

// Prints the plan of the change `make` gives, changing nothing: exit 1, after saying why, when
// there is no installation or the change could not begin now.
int ShowPlan(const Invocation& inv, const std::function<ChangeSpec(ProgramState&)>& make);

// Takes "--dry-run" out of args; true when it was there.
bool TakeDryRun(std::vector<std::string>& args);

// Runs one of the program's operations as the program would, holding the installation's
// change lock. Nothing changes while the program itself runs.
int RunAsProgram(const Invocation& inv, const std::function<void(ProgramState&)>& operation);

}  // namespace harbinet::cli
