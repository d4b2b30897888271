// What a verb that acts as the program needs: the program's folders for --folder, its frame
// state with the settings loaded as at start-up, messages on standard error and the real
// desktop.
#pragma once

#include <memory>

#include "cli/Cli.h"
#include "platform/Desktop.h"
#include "shell/FrameState.h"

namespace harbinet::cli {

class ProgramContext {
  public:
    // The program taken as installed in inv.folder; reports what its start-up would report.
    explicit ProgramContext(const Invocation& inv);

    FrameState& State() { return state_; }
    CliServices& Ui() { return ui_; }
    // 1 when an error message was shown, else 0.
    int ExitStatus() const { return ui_.errorShown ? 1 : 0; }

  private:
    CliServices ui_;
    std::unique_ptr<Desktop> desktop_;
    FrameState state_;
};

}  // namespace harbinet::cli
