#include "gui/dialogs/ConfigureSkinsDialog.h"

#include <wx/listctrl.h>

#include "gui/dialogs/SkinEditDialog.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/ListRows.h"
#include "gui/widgets/RunDialog.h"
#include "gui/widgets/StaticEx.h"
#include "model/ProgramState.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"
#include "program/Report.h"
#include "skins/AircraftModels.h"

namespace harbinet {

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

// GTK's file filters compare letter case, and downloads are often spelt in lower case.
constexpr const char* kSkinFilePattern = "[Pp]*[Tt][Ee][Xx].[Tt][Pp][Cc]";

}  // namespace

ConfigureSkinsDialog::ConfigureSkinsDialog(ProgramState& state, wxWindow* parent)
    : DialogLook(parent, kTitle,
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::SkinList, true},
                 wxSize(309, 143), &state.desktop),
      state_(state),
      catalogue_(state.SkinCatalogueFolder) {
    list_ = new wxListCtrl(this, wxID_ANY, Dlu(7, 7), DluSize(295, 106),
                           wxLC_REPORT | wxLC_SINGLE_SEL | wxLC_NO_SORT_HEADER);
    const struct {
        const char* header;
        int width;
        wxListColumnFormat align;
    } columns[kColumns] = {
        {"Model", 100, wxLIST_FORMAT_LEFT}, {"Unit", 210, wxLIST_FORMAT_LEFT},
        {"Pilot", 210, wxLIST_FORMAT_LEFT}, {"Location", 210, wxLIST_FORMAT_LEFT},
        {"Year", 60, wxLIST_FORMAT_LEFT},   {"Id", 40, wxLIST_FORMAT_RIGHT}};
    for (int c = 0; c < kColumns; ++c)
        list_->InsertColumn(c, columns[c].header, columns[c].align, FromDIP(columns[c].width));
    for (const SkinRow& row : catalogue_.ListSkins()) InsertRow(row.number, row.record);

    AddButton(ui::Button::Add, 7, 119);
    AddButton(ui::Button::Modify, 51, 119);
    ui::StaticEx* remove = AddButton(ui::Button::Delete, 95, 119);
    status_ = new ui::StaticEx(this, wxID_ANY, Dlu(141, 125), DluSize(116, 9), 0, &state.desktop);
    ui::StaticEx* ok = AddButton(ui::Button::Ok, 262, 119);
    InitLook(ui::Background::Paper);
    ApplyColourRule();
    // The status line fills what the buttons leave between DELETE and OK.
    const int gap = Dlu(4, 0).x, left = remove->GetRect().GetRight() + gap;
    status_->SetSize(left, status_->GetPosition().y, ok->GetPosition().x - gap - left, -1);

    Bind(wxEVT_BUTTON, &ConfigureSkinsDialog::OnAdd, this, ui::id::kAddCommand);
    Bind(wxEVT_BUTTON, &ConfigureSkinsDialog::OnModify, this, ui::id::kModifyCommand);
    Bind(wxEVT_BUTTON, &ConfigureSkinsDialog::OnDelete, this, ui::id::kDeleteCommand);
    list_->Bind(wxEVT_LIST_ITEM_ACTIVATED, &ConfigureSkinsDialog::OnActivated, this);
}

long ConfigureSkinsDialog::InsertRow(unsigned n, const SkinRecord& record) {
    const wxString model = Wx(record.model);
    long row = 0;
    const long count = list_->GetItemCount();
    // After the rows of the same model, so that equal models keep the order they came in.
    while (row < count && list_->GetItemText(row, kModel).CmpNoCase(model) <= 0) ++row;
    row = list_->InsertItem(row, model);
    list_->SetItemData(row, n);
    list_->SetItem(row, kId, std::to_string(n));
    SetColumns(row, record);
    return row;
}

void ConfigureSkinsDialog::SetColumns(long row, const SkinRecord& record) {
    list_->SetItem(row, kModel, Wx(record.model));
    list_->SetItem(row, kUnit, Wx(record.unit));
    list_->SetItem(row, kPilot, Wx(record.pilot));
    list_->SetItem(row, kLocation, Wx(record.location));
    list_->SetItem(row, kYear, std::to_string(record.year));
}

std::string ConfigureSkinsDialog::PickSkinFile(const std::string& initialFolder) {
    return ui::PickFile(this, text::kSelectSkinFile, Wx(initialFolder),
                        wxString(text::kSkinFileFilter) + "|" + kSkinFilePattern);
}

void ConfigureSkinsDialog::OnAdd(wxCommandEvent&) {
    // The folder of the last download, else where downloads go, else home.
    std::string start = files::HomeFolder();
    for (const std::string& folder : {catalogue_.InitialFolder(), files::DownloadFolder()})
        if (!folder.empty() && files::FolderExists(folder)) {
            start = folder;
            break;
        }
    const std::string picked = PickSkinFile(start);
    if (picked.empty()) return;
    SkinDownload download;
    const Result examined =
        ExamineDownload(state_, picked, state_.settings.Get(settings::kSkinFiles), download);
    if (!Report(state_, catalogue_.SetInitialFolder(download.folder)) || !Report(state_, examined))
        return;
    // The player sees what moves out of the download folder before anything does.
    if (!state_.host.AskYesNo(text::kCaptionAddSkin,
                              DownloadText(download) + "\n\n" + text::kAddSkinQuestion))
        return;
    // The readme is read beside the form; a missing viewer is no reason to stop.
    if (!download.readme.empty())
        state_.desktop.ShellOpen(download.folder + download.readme, nullptr);

    const std::string preview = download.preview.empty()
                                    ? files::ResolveName(catalogue_.Folder(), "NOIMAGE.GIF")
                                    : download.folder + download.preview;
    SkinEditDialog edit(SkinEditDialog::Mode::Add, preview,
                        std::string(AircraftModelTable::DisplayNameOf(download.code)),
                        NewSkinRecord(), this, state_.host, &state_.desktop);
    if (ui::RunDialog(edit) != wxID_OK) return;

    unsigned n = 0;
    const ChangeResult result = AddSkin(state_, download, edit.Record(), n);
    ReportChange(state_, result);
    if (n == 0) return;
    const long row = InsertRow(n, catalogue_.ReadRecord(n));
    ui::SelectRow(*list_, row);
    const auto stored = static_cast<unsigned>(download.files.size());
    status_->SetLabel(Wx(Format(text::kSkinAdded, n, stored)));
}

void ConfigureSkinsDialog::OnModify(wxCommandEvent&) {
    if (const long row = ui::SelectedRow(*list_); row != -1) Modify(row);
}

void ConfigureSkinsDialog::OnActivated(wxListEvent& event) {
    Modify(event.GetIndex());
}

void ConfigureSkinsDialog::Modify(long row) {
    const auto n = static_cast<unsigned>(list_->GetItemData(row));
    const SkinRecord record = catalogue_.ReadRecord(n);
    SkinEditDialog edit(SkinEditDialog::Mode::Modify, catalogue_.FindPreview(n),
                        std::string(AircraftModelTable::DisplayNameOf(record.baseModel)), record,
                        this, state_.host, &state_.desktop);
    if (ui::RunDialog(edit) != wxID_OK) return;
    if (!StillInstalled(n)) return;
    if (!Report(state_, catalogue_.UpdateSkinRecord(n, edit.Record()))) return;
    // A changed model text moves the row to its new place.
    ui::DeleteRowWithData(*list_, n);
    row = InsertRow(n, edit.Record());
    ui::SelectRow(*list_, row);
}

void ConfigureSkinsDialog::OnDelete(wxCommandEvent&) {
    const long row = ui::SelectedRow(*list_);
    if (row == -1) return;
    const auto n = static_cast<unsigned>(list_->GetItemData(row));
    const std::string model = list_->GetItemText(row, kModel).utf8_string();
    const std::string unit = list_->GetItemText(row, kUnit).utf8_string();
    if (!state_.host.AskYesNo(text::kCaptionDeleteSkin,
                              Format(text::kDeleteSkinQuestion, model.c_str(), unit.c_str())) ||
        !StillInstalled(n))
        return;
    const ChangeResult result = DeleteSkin(state_, n);
    ReportChange(state_, result);
    if (!catalogue_.IsInstalled(n)) ui::DeleteRowWithData(*list_, n);
}

bool ConfigureSkinsDialog::StillInstalled(unsigned n) {
    if (catalogue_.IsInstalled(n)) return true;
    state_.host.ShowError(text::kSkinDoesNotExist);
    ui::DeleteRowWithData(*list_, n);
    return false;
}

}  // namespace harbinet
