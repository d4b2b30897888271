// "Configure External Applications": the slots in use of the tray's "Launch" sub-menu, with
// ADD, MODIFY and DELETE. Each change is written when it is made, so closing writes nothing.
#pragma once

#include <string>

#include "gui/dialogs/ExternalAppEditDialog.h"
#include "gui/widgets/DialogLook.h"

class wxListCtrl;
class wxListEvent;

namespace harbinet {

struct ProgramState;

class ExternalAppsDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "Configure External Applications";
    enum Column { kId, kDescription, kExecutable };

    ExternalAppsDialog(ProgramState& state, wxWindow* parent);

    wxListCtrl* List() const { return list_; }

  private:
    void OnAdd(wxCommandEvent& event);
    void OnModify(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnActivated(wxListEvent& event);
    void Modify(long row);
    // True when the slot still holds an application; else the user is told and the row goes.
    bool StillInUse(unsigned slot);
    // Wide enough for the longest path, so that none is cut.
    void FitExecutableColumn();
    // Puts the slot at its place in the order of the Ids as text ("10" before "2").
    long InsertRow(unsigned slot, const std::string& description, const std::string& executable);

    ProgramState& state_;
    wxListCtrl* list_ = nullptr;
};

}  // namespace harbinet
