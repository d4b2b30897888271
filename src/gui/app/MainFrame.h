// The program's one frame: hidden and borderless, it owns the run-time state, the tray icon and
// the timers, implements the services the core operations report through, routes the menu's
// commands, and shows itself only as the information panel.
#pragma once

#include <wx/bitmap.h>
#include <wx/font.h>
#include <wx/frame.h>
#include <wx/menu.h>
#include <wx/timer.h>

#include <deque>
#include <functional>
#include <memory>

#include "model/ProgramState.h"
#include "program/Commands.h"

namespace harbinet {

class Tray;

class MainFrame : public wxFrame, public Host {
  public:
    // prompts, when given, receives the message boxes and questions instead of the screen.
    MainFrame(const Folders& folders, Desktop& desktop, Host* prompts = nullptr);
    ~MainFrame() override;

    // The frame being built or running, if any (signals and session ends reach it through this).
    static MainFrame* Current();

    ProgramState& State() { return state_; }
    // False when the window could not be made; nothing else was set up then.
    bool Created() const { return created_; }

    // Host
    void ShowMessage(MessageIcon icon, const std::string& caption,
                     const std::string& text) override;
    bool AskYesNo(const std::string& caption, const std::string& text) override;
    void UpdateTrayIcon(bool busy) override;
    bool StartSeasonTimer(std::uint32_t milliseconds) override;
    void StopSeasonTimer() override;
    // The busy tooltip tells how far a long change has come.
    void ShowProgress(const ChangeProgress& progress) override;
    // Runs a menu command after the current handler has returned.
    void PostCommand(int command);

    // The mouse on the tray icon, pressed at this point of the screen.
    void OnTrayLeftPress(wxPoint at);
    void OnTrayDoubleClick();
    void ShowTrayMenu();
    // Gives a tray whose host draws the menu the menu as it is now.
    void RefreshTrayMenu();

    // "&Close", the end of the session or a signal: stops the season timer in Automatic Mode,
    // removes the icon and ends the program. Nothing is written.
    void EndProgram();
    // The session is about to end: the same, short of ending.
    void PrepareForSessionEnd();

    // Runs a menu command now; an id the menu never carries does nothing. A command that opens
    // a window brings forward the dialog open already, if any. Operations on the game and its
    // folder run one at a time: one chosen while another runs (its message boxes keep the tray
    // alive) waits until that one has ended, then runs on its own.
    void RunCommand(int command);

    harbinet::Tray* Tray() { return tray_.get(); }
    // Tests look at the built menu instead of popping it up.
    void SetMenuPresenter(std::function<void(wxMenu&)> presenter) {
        menuPresenter_ = std::move(presenter);
    }

  private:
    void ShowTrayNow();
    void AddTrayIcon();
    void RemoveTrayIcon();
    void OnPaint(wxPaintEvent& event);
    void OnMenuCommand(wxCommandEvent& event);
    void OnPanelDelay(wxTimerEvent& event);
    void OnPanelHide(wxTimerEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OpenAbout();
    void OpenSetActiveCareer();
    // The dialogs of the "Configure" sub-menu and the skins of the active set
    // (WindowCommands.cpp).
    void OpenConfigurationDialog(Command::Kind kind);

    // An operation of the core, run now or, while another runs, queued after it.
    void RunOperation(std::function<void()> operation);
    void RunNow(const std::function<void()>& operation);
    void RunWaitingLater();
    bool Operating() const { return operating_ || busy_; }

    ProgramState state_;
    Host* prompts_;
    bool created_ = false;
    wxBitmap panelBitmap_;
    wxFont panelFont_;
    std::unique_ptr<harbinet::Tray> tray_;
    bool trayAbsenceTold_ = false;
    wxTimer seasonTimer_;
    wxTimer panelDelayTimer_;
    wxTimer panelHideTimer_;
    std::function<void(wxMenu&)> menuPresenter_;
    bool ending_ = false;
    bool operating_ = false;  // an operation runs
    bool busy_ = false;       // the core changes the game folder (the busy tray icon)
    std::deque<std::function<void()>> waiting_;
};

}  // namespace harbinet
