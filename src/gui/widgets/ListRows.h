// The rows of the single-selection report lists of the configuration dialogs.
#pragma once

#include <wx/listctrl.h>

namespace harbinet::ui {

// The selected row; -1 for none.
inline long SelectedRow(const wxListCtrl& list) {
    return list.GetNextItem(-1, wxLIST_NEXT_ALL, wxLIST_STATE_SELECTED);
}

// The row whose item data is this number (a slot, a skin); -1 for none.
inline long RowWithData(const wxListCtrl& list, unsigned data) {
    return const_cast<wxListCtrl&>(list).FindItem(-1, static_cast<wxUIntPtr>(data));
}

// Removes that row, if there is one.
inline void DeleteRowWithData(wxListCtrl& list, unsigned data) {
    if (const long row = RowWithData(list, data); row != -1) list.DeleteItem(row);
}

// Selects the row, gives it the focus and scrolls it into view.
inline void SelectRow(wxListCtrl& list, long row) {
    list.SetItemState(row, wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED,
                      wxLIST_STATE_SELECTED | wxLIST_STATE_FOCUSED);
    list.EnsureVisible(row);
}

}  // namespace harbinet::ui
