// Dialogs and message boxes that run to their end as modal ones do, without being modal: on
// GTK a modal dialog swallows the commands of the tray icon's menu, and the tray must keep
// working while any window of the program is open.
#pragma once

#include <wx/dialog.h>
#include <wx/string.h>

#include <string>

namespace harbinet::ui {

// Shows the dialog and returns its return code once it is hidden (EndDialog hides a dialog
// that is not modal). Meanwhile every other window of the program is disabled, as a modal
// dialog's owner is; the tray icon stays alive. Modal-dialog hooks see it as they see a modal
// dialog; a hook's answer is returned without showing it.
int RunDialog(wxDialog& dialog);

// The dialog or message box run last of those still open: the one the user must finish first,
// which every other window waits for. None when nothing runs.
wxDialog* InnermostDialog();
// Brings it forward, restored when minimised; false when nothing runs.
bool RaiseInnermostDialog();

// A message box of wxOK or wxYES_NO with wxICON_ERROR, wxICON_INFORMATION or
// wxICON_QUESTION, run by RunDialog: wxOK, wxYES or wxNO. Without a parent it belongs to the
// innermost dialog, whose handler raised it.
int ShowMessageBox(const wxString& text, const wxString& caption, long style,
                   wxWindow* parent = nullptr);

// The system's file-open dialog, run by RunDialog: the chosen file, or empty when cancelled.
std::string PickFile(wxWindow* parent, const wxString& title, const wxString& folder,
                     const wxString& filter);

}  // namespace harbinet::ui
