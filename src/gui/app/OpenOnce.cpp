#include "gui/app/OpenOnce.h"

#include <wx/toplevel.h>

namespace harbinet {

bool RaiseExistingWindow(const wxString& title, Desktop& desktop) {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* top = dynamic_cast<wxTopLevelWindow*>(window);
        if (!top || top->IsBeingDeleted() || top->GetTitle() != title) continue;
        if (top->IsIconized()) top->Iconize(false);
        top->Raise();
        return true;
    }
    return desktop.BringWindowForward(title.utf8_string());
}

}  // namespace harbinet
