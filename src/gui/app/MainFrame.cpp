#include "gui/app/MainFrame.h"

#include <wx/app.h>
#include <wx/dcclient.h>
#include <wx/display.h>
#include <wx/evtloop.h>
#include <wx/utils.h>

#include <algorithm>
#include <cstdlib>

#include "gui/app/OpenOnce.h"
#include "gui/app/TrayIcon.h"
#include "gui/dialogs/AboutDialog.h"
#include "gui/dialogs/SetActiveCareerDialog.h"
#include "gui/widgets/Art.h"
#include "gui/widgets/DialogLook.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/RunDialog.h"
#include "launch/GameLauncher.h"
#include "platform/DesktopIntegration.h"
#include "platform/Files.h"
#include "program/LoadSettings.h"
#include "program/Modes.h"
#include "program/PanelPlacement.h"
#include "program/Report.h"
#include "program/TrayMenu.h"

namespace harbinet {

namespace {

using namespace ui::id;
constexpr int kPanelDelayMs = 500;
constexpr int kPanelHideMs = 4000;

constexpr const char* kNoTrayText =
    "This desktop has no notification area (system tray), so the Harbinet icon and its menu "
    "cannot be shown.\n\nHarbinet keeps running without them: in Automatic Mode it still keeps "
    "the terrain in season with your active career.";

MainFrame* current = nullptr;

// A GTK frame gets its X window only when first shown; a second instance must find ours by its
// title while it stays hidden, so the window is made without being shown.
void RealizeHidden(wxWindow* window) {
#ifdef __WXGTK__
    using Realize = void (*)(void*);
    auto realize = reinterpret_cast<Realize>(desktop::ToolkitFunction("gtk_widget_realize"));
    if (realize && window->GetHandle()) realize(window->GetHandle());
#else
    (void)window;
#endif
}

}  // namespace

MainFrame* MainFrame::Current() {
    return current;
}

MainFrame::MainFrame(const Folders& folders, Desktop& desktop, Host* prompts)
    : state_(folders, *this, desktop),
      prompts_(prompts),
      seasonTimer_(this, kSeasonTimer),
      panelDelayTimer_(this, kPanelDelayTimer),
      panelHideTimer_(this, kPanelHideTimer) {
    current = this;

    panelBitmap_ = ui::EmbeddedBitmap(ui::kPanelPicture);
    const wxSize size = panelBitmap_.IsOk() ? panelBitmap_.GetSize() : wxSize(300, 178);
    // Borderless and on top while it shows as the panel; no taskbar entry for a 4-second panel.
    if (!Create(nullptr, wxID_ANY, text::kProgramTitle, wxPoint(0, 0), size,
                wxBORDER_NONE | wxSTAY_ON_TOP | wxFRAME_NO_TASKBAR))
        return;
    created_ = true;
    RealizeHidden(this);
    // Realizing leaves wx believing in a 1 x 1 window until it is shown.
    SetSize(size);

    panelFont_ = ui::CareerLineFont();

    Bind(wxEVT_PAINT, &MainFrame::OnPaint, this);
    Bind(wxEVT_MENU, &MainFrame::OnMenuCommand, this);
    // A tick while an operation runs is left out: the next one comes soon enough.
    Bind(
        wxEVT_TIMER,
        [this](wxTimerEvent&) {
            if (!Operating() && waiting_.empty())
                RunNow([this] {
                    const OriginScope automatic(state_, ChangeOrigin::Automatic);
                    SeasonTimerTick(state_);
                });
        },
        kSeasonTimer);
    Bind(wxEVT_TIMER, &MainFrame::OnPanelDelay, this, kPanelDelayTimer);
    Bind(wxEVT_TIMER, &MainFrame::OnPanelHide, this, kPanelHideTimer);
    Bind(wxEVT_CLOSE_WINDOW, &MainFrame::OnCloseWindow, this);

    LoadSettings(state_);

    const std::string sound = files::ResolveName(state_.OwnFolder, "HARBINET.WAV");
    if (files::FileExists(sound)) state_.desktop.PlaySound(sound);

    AddTrayIcon();
}

MainFrame::~MainFrame() {
    seasonTimer_.Stop();
    panelDelayTimer_.Stop();
    panelHideTimer_.Stop();
    if (tray_) tray_->Hide();
    tray_.reset();
    if (current == this) current = nullptr;
}

void MainFrame::ShowMessage(MessageIcon icon, const std::string& caption, const std::string& text) {
    if (prompts_) return prompts_->ShowMessage(icon, caption, text);
    ui::ShowMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(caption),
                       wxOK | (icon == MessageIcon::Error ? wxICON_ERROR : wxICON_INFORMATION));
}

bool MainFrame::AskYesNo(const std::string& caption, const std::string& text) {
    if (prompts_) return prompts_->AskYesNo(caption, text);
    return ui::ShowMessageBox(wxString::FromUTF8(text), wxString::FromUTF8(caption),
                              wxYES_NO | wxICON_QUESTION) == wxYES;
}

void MainFrame::UpdateTrayIcon(bool busy) {
    // A change the core runs from within a dialog counts as an operation too.
    busy_ = busy;
    if (!busy) RunWaitingLater();
    // Like a notification-area icon that was removed, one that is not there stays away.
    if (!tray_ || !tray_->Shown()) return;
    tray_->Show(busy, wxString::FromUTF8(TrayTooltip(state_, busy)));
    if (busy)
        ShowTrayNow();
    else
        RefreshTrayMenu();
}

void MainFrame::ShowProgress(const ChangeProgress& progress) {
    if (!tray_ || !tray_->Shown()) return;
    tray_->Show(true, wxString::FromUTF8(progress.finished ? TrayTooltip(state_, true)
                                                           : ProgressTooltip(state_, progress)));
    ShowTrayNow();
}

void MainFrame::ShowTrayNow() {
    // A change runs on this thread: the icon and its tooltip reach the screen only if the
    // toolkit draws now. Clicks and timers wait until the change is over, so none runs inside it.
    if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) loop->YieldFor(wxEVT_CATEGORY_UI);
}

bool MainFrame::StartSeasonTimer(std::uint32_t milliseconds) {
    // Window timers take periods from 10 ms up to 0x7FFFFFFF ms and bring others into range.
    const std::uint32_t period = std::clamp<std::uint32_t>(milliseconds, 10, 0x7FFFFFFF);
    return seasonTimer_.Start(static_cast<int>(period));
}

void MainFrame::StopSeasonTimer() {
    seasonTimer_.Stop();
}

void MainFrame::PostCommand(int command) {
    GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_MENU, command));
}

void MainFrame::AddTrayIcon() {
    if (!tray_) tray_ = MakeTray(*this);
    if (!tray_->Hosted() && !trayAbsenceTold_) {
        trayAbsenceTold_ = true;
        ShowMessage(MessageIcon::Information, text::kProgramTitle, kNoTrayText);
    }
    tray_->Show(false, text::kProgramTitle);
    UpdateTrayIcon(false);
    const OriginScope automatic(state_, ChangeOrigin::Automatic);
    StartAutomaticMode(state_);
}

void MainFrame::RemoveTrayIcon() {
    if (tray_) tray_->Hide();
}

void MainFrame::OnTrayLeftPress(wxPoint cursor) {
    if (!state_.settings.Automatic()) return;
    const wxSize size = panelBitmap_.IsOk() ? panelBitmap_.GetSize() : GetSize();
    // A tray at the top or a side would put the panel off screen: it stays on the cursor's monitor.
    const int monitor = wxDisplay::GetFromPoint(cursor);
    const wxRect area =
        wxDisplay(monitor == wxNOT_FOUND ? 0u : static_cast<unsigned>(monitor)).GetClientArea();
    const ScreenPoint at = PanelPosition({cursor.x, cursor.y}, size.x, size.y,
                                         {area.x, area.y, area.width, area.height});
    Move(at.x, at.y);
    if (!panelDelayTimer_.StartOnce(kPanelDelayMs)) state_.host.ShowError(text::kNoTimer);
}

void MainFrame::OnPanelDelay(wxTimerEvent&) {
    panelDelayTimer_.Stop();
    ShowWithoutActivating();
    if (!panelHideTimer_.StartOnce(kPanelHideMs)) state_.host.ShowError(text::kNoTimer);
}

void MainFrame::OnPanelHide(wxTimerEvent&) {
    panelHideTimer_.Stop();
    Hide();
}

void MainFrame::OnTrayDoubleClick() {
    if (state_.settings.Automatic()) {
        panelDelayTimer_.Stop();
        Hide();
    }
    PostCommand(state_.settings.Get(settings::kClickDefault) ? cmd::kLaunchGame : cmd::kAbout);
}

void MainFrame::ShowTrayMenu() {
    std::unique_ptr<wxMenu> menu = MakeTrayWxMenu(BuildTrayMenu(state_));
    if (menuPresenter_)
        menuPresenter_(*menu);
    else if (tray_)
        tray_->ShowMenu(*menu);
}

void MainFrame::RefreshTrayMenu() {
    if (tray_ && tray_->KeepsMenu()) tray_->SetMenu(BuildTrayMenu(state_));
}

void MainFrame::OnPaint(wxPaintEvent&) {
    wxPaintDC dc(this);
    if (panelBitmap_.IsOk()) dc.DrawBitmap(panelBitmap_, 0, 0);

    const wxSize client = GetClientSize();
    dc.SetFont(panelFont_);
    dc.SetTextForeground(wxColour(255, 255, 0));
    dc.SetBackgroundMode(wxBRUSHSTYLE_TRANSPARENT);
    const int t = dc.GetCharHeight();
    // Each line centred on x = w/2 with its baseline at h/2 -+ t/2.
    auto line = [&](const std::string& text, int baseline) {
        const wxString s = wxString::FromUTF8(text);
        wxCoord width = 0, height = 0, descent = 0;
        dc.GetTextExtent(s, &width, &height, &descent);
        dc.DrawText(s, client.x / 2 - width / 2, baseline - (height - descent));
    };
    line(state_.CareerName, client.y / 2 - t / 2);
    line(state_.CareerDate, client.y / 2 + t / 2);
}

void MainFrame::OnMenuCommand(wxCommandEvent& event) {
    RunCommand(event.GetId());
}

void MainFrame::RunCommand(int id) {
    const std::optional<Command> command = DecodeCommand(id);
    if (!command) return;
    // What the menu and its windows change is the tray's.
    const OriginScope tray(state_, ChangeOrigin::Tray);
    switch (command->kind) {
        case Command::Kind::Close:
            EndProgram();
            break;
        case Command::Kind::About:
        case Command::Kind::SetActiveCareer:
        case Command::Kind::Configure:
        case Command::Kind::ConfigureTerrainSets:
        case Command::Kind::ConfigureExternalApps:
        case Command::Kind::ConfigureSkins:
        case Command::Kind::TerrainSkins:
            // The open dialog, a message box of a running operation included, is finished first.
            if (ui::RaiseInnermostDialog()) return;
            if (command->kind == Command::Kind::About)
                OpenAbout();
            else if (command->kind == Command::Kind::SetActiveCareer)
                OpenSetActiveCareer();
            else
                OpenConfigurationDialog(command->kind);
            RefreshTrayMenu();
            break;
        default:
            RunOperation([this, c = *command] { harbinet::RunCommand(state_, c); });
            break;
    }
}

void MainFrame::RunOperation(std::function<void()> operation) {
    if (Operating() || !waiting_.empty()) {
        // It runs later, and its changes keep the origin of the moment it was asked for.
        waiting_.push_back([this, origin = state_.origin, run = std::move(operation)] {
            const OriginScope asked(state_, origin);
            run();
        });
        return;
    }
    RunNow(operation);
}

void MainFrame::RunNow(const std::function<void()>& operation) {
    operating_ = true;
    operation();
    operating_ = false;
    RefreshTrayMenu();
    RunWaitingLater();
}

void MainFrame::RunWaitingLater() {
    if (waiting_.empty()) return;
    // From the event loop, once the one running has returned.
    CallAfter([this] {
        if (Operating() || waiting_.empty()) return;
        const std::function<void()> next = std::move(waiting_.front());
        waiting_.pop_front();
        RunNow(next);
    });
}

void MainFrame::OpenAbout() {
    if (RaiseExistingWindow(AboutDialog::kTitle, state_.desktop)) return;
    AboutDialog dialog(state_.OwnFolder, nullptr, &state_.desktop);
    ui::RunDialog(dialog);
}

void MainFrame::OpenSetActiveCareer() {
    if (RaiseExistingWindow(SetActiveCareerDialog::kTitle, state_.desktop)) return;
    SetActiveCareerDialog dialog(state_.GameFolder, state_.LastCareerPath, nullptr, *this,
                                 &state_.desktop);
    if (ui::RunDialog(dialog) != wxID_OK) return;
    RunOperation([this] {
        RefreshSeasonNow(state_);
        if (state_.settings.Get(settings::kLaunchAfter)) Report(state_, LaunchGame(state_));
    });
}

void MainFrame::PrepareForSessionEnd() {
    if (state_.settings.Automatic()) StopSeasonTimer();
    RemoveTrayIcon();
}

void MainFrame::EndProgram() {
    if (ending_) return;
    ending_ = true;
    PrepareForSessionEnd();
    // A modal dialog or message box runs a loop of its own that would keep the program alive
    // after the frame is gone; every setting is already on disk, so the process ends here.
    if (ui::InnermostDialog()) std::_Exit(0);
    Destroy();
    if (wxTheApp) wxTheApp->ExitMainLoop();
}

void MainFrame::OnCloseWindow(wxCloseEvent& event) {
    if (ending_) {
        event.Skip();
        return;
    }
    EndProgram();
}

}  // namespace harbinet
