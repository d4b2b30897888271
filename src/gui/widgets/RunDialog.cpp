#include "gui/widgets/RunDialog.h"

#include <wx/app.h>
#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/modalhook.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>
#include <wx/utils.h>
#include <wx/weakref.h>

#include <vector>

namespace harbinet::ui {

namespace {

std::vector<wxDialog*>& OpenDialogs() {
    static std::vector<wxDialog*> open;
    return open;
}

}  // namespace

int RunDialog(wxDialog& dialog) {
    if (const int answer = wxModalDialogHook::CallEnter(&dialog); answer != wxID_NONE)
        return answer;
    dialog.SetReturnCode(wxID_CANCEL);
    const wxWeakRef<wxWindow> focus = wxWindow::FindFocus();
    OpenDialogs().push_back(&dialog);
    {
        const wxWindowDisabler others(&dialog);
        dialog.Show();
        dialog.Raise();
        // One event at a time rather than a loop that an event ends: dialogs opened from
        // within this one end before it, whichever of them the user closes first.
        wxGUIEventLoop loop;
        wxEventLoopActivator active(&loop);
        while (dialog.IsShown()) {
            // Events queued before this loop began (a CallAfter, a change's report) wait for a
            // wake-up that wxMSW gives only the loop that was active when they came.
            wxTheApp->ProcessPendingEvents();
            if (dialog.IsShown()) loop.Dispatch();
        }
    }
    std::erase(OpenDialogs(), &dialog);
    wxModalDialogHook::CallExit(&dialog);
    // The window the user comes back to takes the keyboard again.
    RaiseInnermostDialog();
    if (focus && focus->IsShown() && focus->IsEnabled()) focus->SetFocus();
    return dialog.GetReturnCode();
}

wxDialog* InnermostDialog() {
    return OpenDialogs().empty() ? nullptr : OpenDialogs().back();
}

bool RaiseInnermostDialog() {
    wxDialog* dialog = InnermostDialog();
    if (!dialog) return false;
    if (dialog->IsIconized()) dialog->Iconize(false);
    dialog->Raise();
    return true;
}

int ShowMessageBox(const wxString& text, const wxString& caption, long style, wxWindow* parent) {
    wxDialog box(parent ? parent : InnermostDialog(), wxID_ANY, caption, wxDefaultPosition,
                 wxDefaultSize, wxDEFAULT_DIALOG_STYLE | wxSTAY_ON_TOP);
    const wxArtID art = (style & wxICON_ERROR)      ? wxART_ERROR
                        : (style & wxICON_QUESTION) ? wxART_QUESTION
                                                    : wxART_INFORMATION;
    auto* row = new wxBoxSizer(wxHORIZONTAL);
    row->Add(new wxStaticBitmap(&box, wxID_ANY, wxArtProvider::GetBitmap(art, wxART_MESSAGE_BOX)),
             0, wxALL, 10);
    auto* message = new wxStaticText(&box, wxID_ANY, text);
    message->Wrap(box.FromDIP(420));
    row->Add(message, 1, wxALIGN_CENTER_VERTICAL | wxTOP | wxBOTTOM | wxRIGHT, 10);

    const bool question = (style & wxYES_NO) == wxYES_NO;
    const int escape = question ? wxID_NO : wxID_OK;
    auto* column = new wxBoxSizer(wxVERTICAL);
    column->Add(row, 1, wxEXPAND);
    column->Add(box.CreateStdDialogButtonSizer(question ? wxYES_NO : wxOK), 0,
                wxALIGN_RIGHT | wxALL, 10);
    box.SetSizerAndFit(column);
    box.SetEscapeId(escape);
    box.Bind(wxEVT_BUTTON, [&box](wxCommandEvent& event) {
        box.SetReturnCode(event.GetId());
        box.Hide();
    });
    box.Bind(wxEVT_CLOSE_WINDOW, [&box, escape](wxCloseEvent&) {
        box.SetReturnCode(escape);
        box.Hide();
    });
    box.Centre();

    switch (RunDialog(box)) {
        case wxID_YES:
            return wxYES;
        case wxID_NO:
            return wxNO;
        default:
            return question ? wxNO : wxOK;
    }
}

std::string PickFile(wxWindow* parent, const wxString& title, const wxString& folder,
                     const wxString& filter) {
    wxFileDialog picker(parent, title, folder, wxEmptyString, filter,
                        wxFD_OPEN | wxFD_FILE_MUST_EXIST);
    // GTK's chooser, when not modal, only hides on Open: its OK button tells the choice.
    picker.Bind(
        wxEVT_BUTTON,
        [&picker](wxCommandEvent& event) {
            picker.SetReturnCode(wxID_OK);
            event.Skip();
        },
        wxID_OK);
    if (RunDialog(picker) != wxID_OK) return {};
    return picker.GetPath().utf8_string();
}

}  // namespace harbinet::ui
