#include "gui/dialogs/TerrainSetsDialog.h"

#include <wx/listctrl.h>

#include <algorithm>

#include "gui/dialogs/TerrainSetEditDialog.h"
#include "gui/dialogs/TerrainSkinsDialog.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/ListRows.h"
#include "gui/widgets/RunDialog.h"
#include "gui/widgets/StaticEx.h"
#include "program/Report.h"
#include "terrain/TerrainSetList.h"

namespace harbinet {

namespace {
enum Column { kIdColumn, kNameColumn, kSeasonsColumn, kObjectsLowColumn };

const char* YesNo(bool on) {
    return on ? text::kYes : text::kNo;
}
}  // namespace

TerrainSetsDialog::TerrainSetsDialog(ProgramState& state, wxWindow* parent)
    : DialogLook(parent, kTitle,
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::ListsAndSkinBoard, true},
                 wxSize(309, 143), &state.desktop),
      state_(state) {
    skins_ = AddButton(ui::Button::Skins, 10, 117);
    modify_ = AddButton(ui::Button::Modify, 174, 117);
    delete_ = AddButton(ui::Button::Delete, 215, 117);
    add_ = AddButton(ui::Button::Add, 133, 117);
    list_ = new wxListCtrl(this, wxID_ANY, Dlu(10, 10), DluSize(285, 102),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxBORDER_SUNKEN);
    ok_ = AddButton(ui::Button::Ok, 262, 117);

    InitLook(ui::Background::Paper);
    ApplyColourRule();
    // The Id, name and seasons columns are 25, 250 and 110 pixels wide; the last one keeps room
    // for its header in whatever font the system put in place of Comic Sans, and the name
    // column gives way to it.
    const int width = list_->GetClientSize().x;
    const int last = std::max(width - 385, list_->GetTextExtent(text::kColumnObjectsLow).x + 24);
    list_->InsertColumn(kIdColumn, text::kColumnId, wxLIST_FORMAT_RIGHT, 25);
    list_->InsertColumn(kNameColumn, wxString::FromUTF8(text::kColumnTerrainSet),
                        wxLIST_FORMAT_LEFT, std::min(250, width - 135 - last));
    list_->InsertColumn(kSeasonsColumn, text::kColumnHasSeasons, wxLIST_FORMAT_LEFT, 110);
    list_->InsertColumn(kObjectsLowColumn, text::kColumnObjectsLow, wxLIST_FORMAT_LEFT, last);
    Fill();

    Bind(wxEVT_BUTTON, &TerrainSetsDialog::OnAdd, this, ui::id::kAddCommand);
    Bind(wxEVT_BUTTON, &TerrainSetsDialog::OnModify, this, ui::id::kModifyCommand);
    Bind(wxEVT_BUTTON, &TerrainSetsDialog::OnDelete, this, ui::id::kDeleteCommand);
    Bind(wxEVT_BUTTON, &TerrainSetsDialog::OnSkins, this, ui::id::kSkinsCommand);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, &TerrainSetsDialog::OnActivated, this);
}

ui::StaticEx* TerrainSetsDialog::Button(ui::Button button) const {
    switch (button) {
        case ui::Button::Skins:
            return skins_;
        case ui::Button::Modify:
            return modify_;
        case ui::Button::Delete:
            return delete_;
        case ui::Button::Add:
            return add_;
        default:
            return ok_;
    }
}

void TerrainSetsDialog::Fill() {
    std::vector<TerrainSetRow> rows = TerrainSetList(state_).Rows();
    std::sort(rows.begin(), rows.end(), [](const TerrainSetRow& a, const TerrainSetRow& b) {
        return std::to_string(a.slot) < std::to_string(b.slot);
    });
    list_->DeleteAllItems();
    for (const TerrainSetRow& row : rows) {
        const long i = list_->InsertItem(list_->GetItemCount(), std::to_string(row.slot));
        list_->SetItemData(i, row.slot);
        list_->SetItem(i, kNameColumn, wxString::FromUTF8(row.name));
        list_->SetItem(i, kSeasonsColumn, YesNo(row.seasons));
        list_->SetItem(i, kObjectsLowColumn, YesNo(row.objectsLow));
    }
}

void TerrainSetsDialog::Select(unsigned slot) {
    const long i = ui::RowWithData(*list_, slot);
    if (i < 0) return;
    ui::SelectRow(*list_, i);
}

std::optional<unsigned> TerrainSetsDialog::SelectedSlot() const {
    const long i = ui::SelectedRow(*list_);
    if (i < 0) return std::nullopt;
    return static_cast<unsigned>(list_->GetItemData(i));
}

void TerrainSetsDialog::OnAdd(wxCommandEvent&) {
    const TerrainSetList sets(state_);
    if (!sets.FirstFreeSlot()) return;
    TerrainSetEditDialog edit(state_, true, this);
    if (ui::RunDialog(edit) != wxID_OK) return;
    unsigned slot = 0;
    const Result added = sets.Add(edit.SetName(), edit.HasSeasons(), edit.ObjectsLow(), slot);
    // A set whose folders could not all be made is in the list all the same.
    if (slot != 0) {
        Fill();
        Select(slot);
    }
    Report(state_, added);
}

void TerrainSetsDialog::OnModify(wxCommandEvent&) {
    Modify();
}

void TerrainSetsDialog::Modify() {
    const auto slot = SelectedSlot();
    if (!slot) return;
    const TerrainSetList sets(state_);
    const auto row = sets.Row(*slot);
    if (!Report(state_, sets.Exists(*slot))) return;
    TerrainSetEditDialog edit(state_, false, this, row->name, row->seasons, row->objectsLow);
    if (ui::RunDialog(edit) != wxID_OK) return;
    if (!StillThere(*row)) return;
    Report(state_, sets.Modify(*slot, edit.HasSeasons(), edit.ObjectsLow()));
    Fill();
    Select(*slot);
}

void TerrainSetsDialog::OnDelete(wxCommandEvent&) {
    const auto slot = SelectedSlot();
    if (!slot) return;
    const TerrainSetList sets(state_);
    const auto row = sets.Row(*slot);
    if (!Report(state_, sets.Exists(*slot))) return;
    if (!state_.host.AskYesNo(text::kCaptionDeleteTerrainSet, sets.DeleteQuestion(*row))) return;
    const ChangeResult deleted = sets.Delete(*row);
    ReportChange(state_, deleted);
    if (!deleted.failed) Fill();
}

void TerrainSetsDialog::OnSkins(wxCommandEvent&) {
    const auto slot = SelectedSlot();
    if (!slot) return;
    // The choices are saved by the skins dialog itself; the season is installed again only
    // when the skins are chosen from the tray.
    TerrainSkinsDialog skins(state_, *slot, this);
    ui::RunDialog(skins);
}

bool TerrainSetsDialog::StillThere(const TerrainSetRow& row) {
    const auto now = TerrainSetList(state_).Row(row.slot);
    if (now && now->name == row.name) return true;
    state_.host.ShowError(Format(text::kTerrainSetGone, row.name.c_str()));
    Fill();
    return false;
}

void TerrainSetsDialog::OnActivated(wxListEvent&) {
    if (list_->GetSelectedItemCount() == 1) Modify();
}

}  // namespace harbinet
