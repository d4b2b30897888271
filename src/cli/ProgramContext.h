// What a verb that acts as the program needs: the program's folders for --folder, its frame
// state, messages on standard error, the real desktop, and the commands its operations post.
#pragma once

#include <memory>

#include "cli/Cli.h"
#include "platform/Desktop.h"
#include "shell/FrameState.h"

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
    // Runs the commands the operations posted, in order, as the program's message loop would.
    void RunPosted();

    FrameState& State() { return *state_; }
    CliServices& Ui() { return ui_; }
    // 1 when an error message was shown, else 0.
    int ExitStatus() const { return ui_.errorShown ? 1 : 0; }

  private:
    CliServices ui_;
    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<FrameState> state_;
};

}  // namespace harbinet::cli
