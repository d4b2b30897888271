// The rows of the single-selection report lists of the configuration dialogs.
#pragma once

#include <wx/listctrl.h>

namespace harbinet::ui {

// The selected row; -1 for none.
inline long SelectedRow(const wxListCtrl& list) {
    return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

// Selects the row, gives it the focus and scrolls it into view.
inline void SelectRow(wxListCtrl& list, long row) {
    list.SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                      wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    list.EnsureVisible(row);
}

}  // namespace harbinet::ui
