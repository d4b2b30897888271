#include "gui/dialogs/ExternalAppsDialog.h"

#include <wx/listctrl.h>

#include <algorithm>

#include "gui/widgets/Ids.h"
#include "gui/widgets/ListRows.h"
#include "gui/widgets/RunDialog.h"
#include "launch/ExternalAppList.h"
#include "model/ProgramState.h"
#include "program/Report.h"

namespace harbinet {

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

constexpr int kExecutableWidth = 400;
constexpr int kCellPadding = 16;  // the list's margins around a cell's text

}  // namespace

ExternalAppsDialog::ExternalAppsDialog(ProgramState& state, wxWindow* parent)
    : DialogLook(parent, kTitle,
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::ListsAndSkinBoard, true},
                 wxSize(309, 143), &state.desktop),
      state_(state) {
    list_ = new wxListCtrl(this, wxID_ANY, Dlu(7, 7), DluSize(295, 106),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_NO_SORT_HEADER);
    list_->InsertColumn(kId, text::kAppColumnId, wxLIST_FORMAT_RIGHT, FromDIP(25));
    list_->InsertColumn(kDescription, text::kAppColumnDescription, wxLIST_FORMAT_LEFT,
                        FromDIP(250));
    list_->InsertColumn(kExecutable, text::kAppColumnExecutable, wxLIST_FORMAT_LEFT,
                        FromDIP(kExecutableWidth));
    for (const ExternalAppSlot& app : ListExternalApps(state.settings))
        InsertRow(app.slot, app.description, app.executable);
    FitExecutableColumn();

    AddButton(ui::Button::Add, 7, 119);
    AddButton(ui::Button::Modify, 51, 119);
    AddButton(ui::Button::Delete, 95, 119);
    AddButton(ui::Button::Ok, 262, 119);
    InitLook(ui::Background::Paper);
    ApplyColourRule();

    Bind(wxEVT_BUTTON, &ExternalAppsDialog::OnAdd, this, ui::id::kAddCommand);
    Bind(wxEVT_BUTTON, &ExternalAppsDialog::OnModify, this, ui::id::kModifyCommand);
    Bind(wxEVT_BUTTON, &ExternalAppsDialog::OnDelete, this, ui::id::kDeleteCommand);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, &ExternalAppsDialog::OnActivated, this);
}

long ExternalAppsDialog::InsertRow(unsigned slot, const std::string& description,
                                   const std::string& executable) {
    const wxString id = std::to_string(slot);
    long row = 0;
    const long count = list_->GetItemCount();
    while (row < count && list_->GetItemText(row, kId).Cmp(id) < 0) ++row;
    row = list_->InsertItem(row, id);
    list_->SetItemData(row, slot);
    list_->SetItem(row, kDescription, Wx(description));
    list_->SetItem(row, kExecutable, Wx(executable));
    return row;
}

void ExternalAppsDialog::OnAdd(wxCommandEvent&) {
    if (list_->GetItemCount() >= static_cast<int>(settings::kMaxExternalApps) ||
        LowestFreeAppSlot(state_.settings) == 0)
        return;
    ExternalAppEditDialog edit(state_, ExternalAppEditDialog::Mode::Add, this);
    if (ui::RunDialog(edit) != wxID_OK) return;
    unsigned slot = 0;
    if (!Report(state_, AddExternalApp(state_, edit.Description(), edit.Executable(), slot)))
        return;
    const long row = InsertRow(slot, edit.Description(), edit.Executable());
    FitExecutableColumn();
    ui::SelectRow(*list_, row);
}

void ExternalAppsDialog::OnModify(wxCommandEvent&) {
    if (const long row = ui::SelectedRow(*list_); row != -1) Modify(row);
}

void ExternalAppsDialog::OnActivated(wxListEvent& event) {
    if (list_->GetSelectedItemCount() == 1) Modify(event.GetIndex());
}

void ExternalAppsDialog::Modify(long row) {
    const auto slot = static_cast<unsigned>(list_->GetItemData(row));
    ExternalAppEditDialog edit(state_, ExternalAppEditDialog::Mode::Modify, this,
                               list_->GetItemText(row, kDescription).utf8_string(),
                               list_->GetItemText(row, kExecutable).utf8_string());
    if (ui::RunDialog(edit) != wxID_OK) return;
    if (!StillInUse(slot)) return;
    if (!Report(state_, ModifyExternalApp(state_, slot, edit.Description(), edit.Executable())))
        return;
    row = ui::RowWithData(*list_, slot);
    list_->SetItem(row, kDescription, Wx(edit.Description()));
    list_->SetItem(row, kExecutable, Wx(edit.Executable()));
    FitExecutableColumn();
}

void ExternalAppsDialog::OnDelete(wxCommandEvent&) {
    const long row = ui::SelectedRow(*list_);
    if (row == -1) return;
    const auto slot = static_cast<unsigned>(list_->GetItemData(row));
    const std::string description = list_->GetItemText(row, kDescription).utf8_string();
    if (!state_.host.AskYesNo(text::kCaptionDeleteApp,
                              Format(text::kDeleteAppQuestion, description.c_str())))
        return;
    if (StillInUse(slot) && Report(state_, DeleteExternalApp(state_, slot)))
        ui::DeleteRowWithData(*list_, slot);
}

void ExternalAppsDialog::FitExecutableColumn() {
    int width = FromDIP(kExecutableWidth);
    for (long row = 0; row < list_->GetItemCount(); ++row)
        width = std::max(width, list_->GetTextExtent(list_->GetItemText(row, kExecutable)).x +
                                    FromDIP(kCellPadding));
    list_->SetColumnWidth(kExecutable, width);
}

bool ExternalAppsDialog::StillInUse(unsigned slot) {
    if (Report(state_, AppInUse(state_, slot))) return true;
    ui::DeleteRowWithData(*list_, slot);
    return false;
}

}  // namespace harbinet
