// The application object: refuses a second instance, builds the frame, shows the splash, and
// ends the program on the session's end or a termination signal.
#pragma once

#include <wx/app.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Folders.h"
#include "platform/Desktop.h"
#include "platform/InstallationLock.h"

namespace harbinet {

class HarbinetApp : public wxApp {
  public:
    bool Initialize(int& count, wxChar** values) override;
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;
    int FilterEvent(wxEvent& event) override;
    // An operation that ran out of memory (a hostile file, say) is reported and the program
    // goes on; it never aborts.
    bool OnExceptionInMainLoop() override;

  private:
    // The folders of the program and the game it serves; none when the user declined to pick
    // the game.
    std::optional<Folders> ServedFolders(const std::vector<std::string>& arguments);
    // The program's folder in the game folder the user picks; empty when cancelled.
    static std::string AskForProgramFolder();

    void OnQueryEndSession(wxCloseEvent& event);
    void OnEndSession(wxCloseEvent& event);
    static void OnSignal(int signal);

    std::unique_ptr<Desktop> desktop_;
    std::unique_ptr<InstallationLock> lock_;  // the program lock, held for the program's life
    // Set when the program ends before its loop runs: a second instance (0), no game (1).
    std::optional<int> endWith_;
};

}  // namespace harbinet
