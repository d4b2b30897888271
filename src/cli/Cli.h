// harbinet-cli: the program's operations without a display, for scripts and end-to-end tests.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "shell/FrameServices.h"

namespace harbinet::cli {

// Message boxes become "CAPTION: TEXT" lines on standard error; questions are answered No
// unless --yes was given.
class CliServices : public FrameServices {
public:
    explicit CliServices(bool answerYes) : answerYes_(answerYes) {}

    void ShowMessage(MessageIcon icon, const std::string& caption,
                     const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void UpdateTrayIcon(bool) override {}
    bool StartSeasonTimer(std::uint32_t) override { return true; }
    void StopSeasonTimer() override {}
    void PostCommand(int command) override { posted.push_back(command); }

    bool errorShown = false;
    std::deque<int> posted;  // commands the operations posted, run after the verb

private:
    bool answerYes_;
};

struct Invocation {
    std::string folder;              // --folder, else the executable's folder; ends in "/"
    bool yes = false;                // --yes
    std::vector<std::string> args;   // the verb's own arguments
};

// Usage errors print to standard error and return 2.
int UsageError(const std::string& message);

}  // namespace harbinet::cli
