// Verbs that act as the program itself: the frame state the program would have after start-up,
// messages on standard error, and commands posted by the operations run after the verb.
#pragma once

#include <memory>

#include "cli/Cli.h"
#include "platform/Desktop.h"
#include "shell/FrameState.h"

namespace harbinet::cli {

class SeasonProgram {
  public:
    explicit SeasonProgram(const Invocation& inv);

    // True, after saying so, when the program is running: it holds the same state and would
    // not see changes made behind its back.
    bool RefuseWhileRunning();
    // Start-up's reading of the settings.
    void LoadSettings();
    // Runs the commands the operations posted, in order, as the program's message loop would.
    void RunPosted();
    // 1 when an error message was shown, else 0.
    int ExitStatus() const { return ui_.errorShown ? 1 : 0; }

    FrameState& State() { return *state_; }

  private:
    CliServices ui_;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<FrameState> state_;
};

}  // namespace harbinet::cli
