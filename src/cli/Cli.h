// harbinet-cli: the program's operations without a display, for scripts and end-to-end tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Folders.h"
#include "model/Host.h"

namespace harbinet {
struct ProgramState;
}

namespace harbinet::cli {

// Message boxes become "CAPTION: TEXT" lines on standard error; questions are answered No
// unless --yes was given. There is no tray icon, and the season timer is the program's. A long
// change draws one line of progress on standard error while that is a terminal.
class CliHost : public QuietHost {
  public:
    explicit CliHost(bool answerYes);

    void ShowMessage(MessageIcon icon, const std::string& caption,
                     const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void ShowProgress(const ChangeProgress& progress) override;

    bool errorShown = false;
    const ProgramState* state = nullptr;  // the program's, whose words tell what a change does

  private:
    bool answerYes_;
    bool terminal_;
};

struct Invocation {
    std::string folder;             // the program's folder; ends in "/"
    std::string program;            // the harbinet program beside harbinet-cli
    bool yes = false;               // --yes
    bool launcherHook = false;      // refresh -- COMMAND
    std::vector<std::string> args;  // the verb's own arguments
};

// Installed system-wide, with no --folder and none remembered.
inline constexpr const char* kNoFolderKnown =
    "which game? Give --folder DIR (the Harbinet folder in the game's folder), or start harbinet "
    "once to choose the game";

// The program's folders for the invocation.
Folders FoldersOf(const Invocation& inv);

// Prints "harbinet-cli: MESSAGE" on standard error and returns 2, the status of a usage error.
int UsageError(const std::string& message);

// A decimal number in first..last, written with digits only; none for anything else.
std::optional<unsigned> NumberArgument(const std::string& text, unsigned first, unsigned last);

}  // namespace harbinet::cli
