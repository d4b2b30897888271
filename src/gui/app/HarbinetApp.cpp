#include "gui/app/HarbinetApp.h"

#include <wx/dirdlg.h>
#include <wx/image.h>
#include <wx/utils.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "gui/app/MainFrame.h"
#include "gui/app/SplashWindow.h"
#include "gui/widgets/Art.h"
#include "gui/widgets/RunDialog.h"
#include "gui/widgets/StaticEx.h"
#include "install/ServedFolder.h"
#include "model/Strings.h"
#include "platform/DesktopIntegration.h"
#include "platform/Files.h"
#include "program/CommandLine.h"

namespace harbinet {

bool HarbinetApp::Initialize(int& count, wxChar** values) {
    // Tray icons are X11 windows, and only an X11 client can find the window of a running
    // Harbinet; under Wayland the program runs through Xwayland unless the user says otherwise.
    desktop::PreferX11Display();
    if (wxApp::Initialize(count, values)) return true;
    const std::optional<std::string> display = desktop::DisplayName();
    std::fprintf(stderr,
                 "harbinet: cannot open the display%s%s; run it in a desktop session, or "
                 "without one as: xvfb-run -a harbinet\n",
                 display ? " " : " (DISPLAY is not set)", display ? display->c_str() : "");
    std::exit(2);
}

bool HarbinetApp::OnInit() {
    // No call to wxApp::OnInit: its parser would refuse the switches the program ignores.
    desktop_ = MakeSystemDesktop();
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) arguments.push_back(argv[i].utf8_string());
    const auto served = ServedFolders(arguments);
    if (!served) return endWith_.has_value();
    const Folders& folders = *served;
    ui::StaticEx::SetSoundFolder(folders.OwnFolder);
    using Kind = InstallationLock::Kind;
    lock_ = std::make_unique<InstallationLock>(folders.OwnFolder);
    // Without a lock file (a folder the user may not write) only the window can tell.
    const bool running =
        lock_->Usable() ? !lock_->Take(Kind::Program) : desktop_->WindowExists(text::kProgramTitle);
    if (running) {
        desktop_->BringWindowForward(text::kProgramTitle);
        endWith_ = 0;
        return true;
    }
#ifdef __UNIX__
    // From here on a termination signal ends the program the orderly way, even mid start-up.
    // (Windows ends a session with a message that closes the windows.)
    SetSignalHandler(SIGTERM, &HarbinetApp::OnSignal);
    SetSignalHandler(SIGINT, &HarbinetApp::OnSignal);
#endif

    wxInitAllImageHandlers();
    auto* frame = new MainFrame(folders, *desktop_);
    if (!frame->Created()) {
        frame->Destroy();
        return false;
    }
    frame->SetIcons(ui::ProgramIcons());
    SetTopWindow(frame);

    SplashWindow::EnableSplash(SplashWanted(arguments));
    SplashWindow::ShowSplash(frame);

    Bind(wxEVT_QUERY_END_SESSION, &HarbinetApp::OnQueryEndSession, this);
    Bind(wxEVT_END_SESSION, &HarbinetApp::OnEndSession, this);
    return true;
}

std::optional<Folders> HarbinetApp::ServedFolders(const std::vector<std::string>& arguments) {
    const std::string program = files::ExecutablePath();
    const std::optional<std::string> given = FolderArgument(arguments);
    std::string folder = ServedFolderFor(program, given);
    if (folder.empty()) {
        folder = AskForProgramFolder();
        if (folder.empty()) return std::nullopt;
    }
    // Nothing is made for a folder that does not hold the game.
    if (const Result prepared = PrepareServedFolder(folder); !prepared) {
        ui::ShowMessageBox(wxString::FromUTF8(prepared.Message()), text::kCaptionError,
                           wxOK | wxICON_ERROR);
        endWith_ = 1;
        return std::nullopt;
    }
    Folders folders = Folders::Serving(folder, program);
    // What the desktop entry starts without arguments next time.
    if ((given || !folders.DataFolder.empty()) && !RememberFolder(folder)) {
        ui::ShowMessageBox(
            wxString::FromUTF8(Format(text::kFolderNotRemembered, RememberedFolderFile().c_str())),
            text::kCaptionError, wxOK | wxICON_ERROR);
    }
    return folders;
}

std::string HarbinetApp::AskForProgramFolder() {
    wxString start = wxGetHomeDir();
    for (;;) {
        wxDirDialog dialog(nullptr, text::kChooseGameFolder, start,
                           wxDD_DEFAULT_STYLE | wxDD_DIR_MUST_EXIST);
        // Modal: there is no tray icon yet whose menu it could block.
        if (dialog.ShowModal() != wxID_OK) return {};
        std::string own;
        const Result found = ProgramFolderInGame(dialog.GetPath().utf8_string(), own);
        if (found) return own;
        ui::ShowMessageBox(wxString::FromUTF8(found.Message()), text::kCaptionError,
                           wxOK | wxICON_ERROR);
        start = dialog.GetPath();
    }
}

// A second instance has brought the first one forward and ends without a trace; a folder
// without the game ends the program after saying so.
int HarbinetApp::OnRun() {
    return endWith_ ? *endWith_ : wxApp::OnRun();
}

int HarbinetApp::OnExit() {
    int code = wxApp::OnExit();
    desktop_.reset();
    return code;
}

int HarbinetApp::FilterEvent(wxEvent& event) {
    return SplashWindow::HideOnKeyOrClick(event) ? Event_Processed : Event_Skip;
}

bool HarbinetApp::OnExceptionInMainLoop() {
    std::string reason;
    try {
        throw;
    } catch (const std::bad_alloc&) {
        reason = "there is not enough memory";
    } catch (const std::exception& e) {
        reason = e.what();
    } catch (...) {
        reason = "an unexpected failure";
    }
    ui::ShowMessageBox(wxString::FromUTF8(Format(text::kOperationFailed, reason.c_str())),
                       text::kCaptionError, wxOK | wxICON_ERROR);
    return true;
}

void HarbinetApp::OnQueryEndSession(wxCloseEvent&) {
    if (MainFrame* frame = MainFrame::Current()) frame->PrepareForSessionEnd();
}

void HarbinetApp::OnEndSession(wxCloseEvent&) {
    if (MainFrame* frame = MainFrame::Current()) frame->EndProgram();
}

// Runs from the event loop, not inside the signal.
void HarbinetApp::OnSignal(int) {
    if (MainFrame* frame = MainFrame::Current())
        frame->EndProgram();
    else
        std::_Exit(0);  // no frame: nothing was set up that needs undoing
}

}  // namespace harbinet
