// What the window tests share: the event loop run until something happened, mouse presses,
// modal dialogs driven or answered unshown, drawings read back, and a main frame installed in
// a temporary game folder.
#pragma once

#include <gtest/gtest.h>
#include <wx/app.h>
#include <wx/dcmemory.h>
#include <wx/dialog.h>
#include <wx/evtloop.h>
#include <wx/listctrl.h>
#include <wx/modalhook.h>
#include <wx/taskbar.h>
#include <wx/uiaction.h>

#include <chrono>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "gui/app/MainFrame.h"
#include "gui/app/TrayIcon.h"
#include "support/GameFolder.h"

inline void PrintTo(const wxColour& c, std::ostream* out) {
    *out << c.GetAsString(wxC2S_CSS_SYNTAX).utf8_string();
}

namespace harbinet::test {

// Handles what is queued now: posted commands, delayed deletions.
inline void FlushEvents() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

// Runs the event loop, timers included, until done holds; the bound is only a safety net.
inline bool RunEventsUntil(const std::function<bool()>& done) {
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        loop.DispatchTimeout(50);  // returns at the next event
        FlushEvents();
    }
    return true;
}

// A real click (through the X server) in the middle of the window.
inline void ClickOn(wxWindow* window) {
    wxUIActionSimulator mouse;
    mouse.MouseMove(window->GetScreenRect().GetPosition() + window->GetSize() / 2);
    mouse.MouseClick();
}

// Pops up the real tray menu and chooses the command with the keyboard (the first press selects
// the first item; separators are skipped); returns once the menu has closed. GTK drops the
// choices of a menu popped up while a modal dialog runs, so this works also where the program's
// dialogs are open.
inline void ChooseFromTrayMenu(MainFrame& frame, int command) {
    std::vector<int> keys;
    for (const TrayMenuItem& item : BuildTrayMenu(frame.State())) {
        if (item.kind != TrayMenuItem::Kind::Separator) keys.push_back(WXK_DOWN);
        if (item.command == command) break;
    }
    keys.push_back(WXK_RETURN);
    frame.CallAfter([keys] {
        wxUIActionSimulator keyboard;  // runs in the menu's own loop, once the menu is up
        for (int key : keys) keyboard.Char(key);
    });
    frame.ShowTrayMenu();
}

// A mouse event on the window, and what it set off.
inline void SendMouse(wxWindow* window, wxEventType type = wxEVT_LEFT_DOWN) {
    wxMouseEvent event(type);
    event.SetEventObject(window);
    event.SetPosition(wxPoint(2, 2));
    window->GetEventHandler()->ProcessEvent(event);
    FlushEvents();
}

// The command of a button of the window, and what it set off.
inline void Press(wxWindow& window, int command) {
    window.GetEventHandler()->QueueEvent(new wxCommandEvent(wxEVT_BUTTON, command));
    FlushEvents();
}

// The texts of the list's rows: the columns asked for joined by "|", each row ended by ";".
inline std::string Rows(const wxListCtrl& list, std::initializer_list<int> columns) {
    std::string out;
    for (long row = 0; row < list.GetItemCount(); ++row) {
        for (int c : columns) out += list.GetItemText(row, c).utf8_string() + "|";
        out.back() = ';';
    }
    return out;
}

// Selects the row of the list, as a click does; a double click also activates it.
inline void SelectRow(wxListCtrl& list, long row, bool doubleClick = false) {
    list.SetItemState(row, wxLIST_STATE_SELECTED, wxLIST_STATE_SELECTED);
    if (!doubleClick) return;
    wxListEvent event(wxEVT_LIST_ITEM_ACTIVATED, list.GetId());
    event.m_itemIndex = row;
    event.SetEventObject(&list);
    list.GetEventHandler()->ProcessEvent(event);
}

// What draw paints into a bitmap of this size, over green.
template <typename Draw>
wxImage Drawn(wxSize size, Draw draw) {
    wxBitmap bitmap(size, 24);
    {
        wxMemoryDC dc(bitmap);
        dc.SetBackground(*wxGREEN_BRUSH);
        dc.Clear();
        draw(dc);
    }
    return bitmap.ConvertToImage();
}

inline wxColour PixelAt(const wxImage& image, int x, int y) {
    return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
}

// While it lives, each modal (or run) dialog runs act inside its loop and, if still open once act's
// events are handled, ends with wxID_ABORT. Without act, dialogs end at once, unshown, with
// wxID_CANCEL. The titles are recorded.
class ModalHook : public wxModalDialogHook {
  public:
    explicit ModalHook(std::function<void(wxDialog&)> act = {}) : act_(std::move(act)) {
        Register();
    }
    ~ModalHook() override { Unregister(); }
    std::vector<std::string> shown;

  protected:
    int Enter(wxDialog* dialog) override {
        if (dialog == acting) return wxID_NONE;  // a hook asked before runs it
        shown.push_back(dialog->GetTitle().utf8_string());
        if (!act_) return wxID_CANCEL;
        acting = dialog;
        dialog->CallAfter([this, dialog] {
            act_(*dialog);
            dialog->CallAfter([dialog] {
                if (dialog->IsModal()) {
                    dialog->EndModal(wxID_ABORT);
                } else if (dialog->IsShown()) {
                    dialog->SetReturnCode(wxID_ABORT);
                    dialog->Hide();
                }
            });
        });
        return wxID_NONE;
    }
    void Exit(wxDialog* dialog) override {
        if (dialog == acting) acting = nullptr;
    }

  private:
    static inline wxDialog* acting = nullptr;
    std::function<void(wxDialog&)> act_;
};

class FrameTest : public ::testing::Test {
  protected:
    void TearDown() override {
        if (frame && MainFrame::Current() == frame) frame->Destroy();
        FlushEvents();
        EXPECT_EQ(unexpected.shown, std::vector<std::string>{}) << "a dialog nobody expected";
    }

    // Writes the settings file and builds the frame on it, as the program does at start-up, then
    // forgets the note that this display has no tray. The recording host answers its messages,
    // unless they are to be shown as message boxes.
    MainFrame& Start(const std::string& settings, bool messageBoxes = false) {
        WriteFile(game.Settings(), settings);
        frame = new MainFrame(Folders::FromExecutable(game.Own() + "harbinet"), game.desktop,
                              messageBoxes ? nullptr : &game.ui);
        game.ui.messages.clear();
        unexpected.shown.clear();
        return *frame;
    }
    // Terrain set 1 with seasons, checked every second; each season's MAP.TER holds its name.
    MainFrame& StartSeasonal(const char* mode) {
        for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
            WriteFile(game.Own() + "Terrain/Channel Front/" + season + "/MAP.TER", season);
        return Start(std::string("[Harbinet]\nVersion=22\nMode=") + mode +
                     "\nTimer=1\nTerrainSet=1\nTerrainFiles=*.TER\n"
                     "[TerrainSets]\nTerrain1=Channel Front\nSeasons1=1\n");
    }
    std::string Terrain() const { return ReadFile(game.Game() + "MAP.TER"); }

    // The tray icon as GTK reports a mouse action on it.
    void Tray(wxEventType type) {
        auto* icon = dynamic_cast<TrayIcon*>(frame->Tray());
        ASSERT_NE(icon, nullptr) << "not the XEmbed tray icon";
        wxTaskBarIconEvent event(type, icon);
        icon->ProcessEvent(event);
    }

    ModalHook unexpected;  // registered first, so asked last
    GameFolder game;
    MainFrame* frame = nullptr;
};

}  // namespace harbinet::test
