// What a verb that acts as the program needs: the program's folders for --folder, its state,
// messages on standard error and the real desktop.
#pragma once

#include <memory>

#include "cli/Cli.h"
#include "model/ProgramState.h"

namespace harbinet::cli {

class ProgramContext {
  public:
    // The program taken as installed in inv.folder; nothing is read yet.
    explicit ProgramContext(const Invocation& inv);

    // True, after saying so, when the program is running: it holds the same state and would
    // not see changes made behind its back.
    bool RefuseWhileRunning();
    // Start-up's reading of the settings, reporting what start-up would report.
    void LoadSettings();

    ProgramState& State() { return *state_; }
    // 1 when an error message was shown, else 0.
    int ExitStatus() const { return host_.errorShown ? 1 : 0; }

  private:
    CliHost host_;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<ProgramState> state_;
};

}  // namespace harbinet::cli
