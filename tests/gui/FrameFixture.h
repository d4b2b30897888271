// A main frame of the program installed in a temporary game folder, its message boxes and
// desktop recorded.
#pragma once

#include <gtest/gtest.h>
#include <wx/dialog.h>
#include <wx/modalhook.h>
#include <wx/taskbar.h>

#include <string>
#include <vector>

#include "app/MainFrame.h"
#include "app/TrayIcon.h"
#include "gui/EventWait.h"
#include "support/GameFolder.h"
#include "support/TempDir.h"

namespace harbinet::test {

// While it lives, every modal dialog ends at once with this answer, unshown; their titles are
// recorded.
class ModalAnswers : public wxModalDialogHook {
  public:
    explicit ModalAnswers(int answer) : answer_(answer) { Register(); }
    ~ModalAnswers() override { Unregister(); }
    std::vector<std::string> shown;

  protected:
    int Enter(wxDialog* dialog) override {
        shown.push_back(dialog->GetTitle().utf8_string());
        return answer_;
    }
    void Exit(wxDialog*) override {}

  private:
    int answer_;
};

class FrameTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (frame && CMainFrame::Current() == frame) frame->Destroy();
        FlushEvents();
        EXPECT_TRUE(unexpected.shown.empty()) << "a dialog was opened: " << unexpected.shown[0];
    }

    // Writes the settings file and builds the frame on it, as the program does at start-up.
    CMainFrame& Start(const std::string& settings) {
        WriteFile(game.Settings(), settings);
        frame = new CMainFrame(Folders::FromExecutable(game.Own() + "harbinet"), game.desktop,
                               &game.ui);
        frame->Bind(wxEVT_MENU, [this](wxCommandEvent& e) {
            commands.push_back(e.GetId());
            e.Skip();
        });
        return *frame;
    }

    // The tray icon as GTK reports a mouse action on it.
    void Tray(wxEventType type) {
        wxTaskBarIconEvent event(type, frame->Tray());
        frame->Tray()->ProcessEvent(event);
    }
    void ClickTray() {
        Tray(wxEVT_TASKBAR_LEFT_DOWN);
        Tray(wxEVT_TASKBAR_LEFT_DCLICK);
    }

    std::vector<std::string> ErrorMessages() const {
        std::vector<std::string> errors;
        for (const auto& m : game.ui.messages)
            if (m.rfind("error ", 0) == 0) errors.push_back(m);
        return errors;
    }

    // A dialog nobody expected is cancelled (and fails the test) rather than waiting for a user.
    ModalAnswers unexpected{wxID_CANCEL};
    GameFolder game;
    CMainFrame* frame = nullptr;
    std::vector<int> commands;  // commands that reached the frame
};

}  // namespace harbinet::test
