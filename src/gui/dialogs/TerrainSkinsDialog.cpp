#include "gui/dialogs/TerrainSkinsDialog.h"

#include "program/Report.h"

#include "gui/widgets/Ids.h"
#include "gui/widgets/StaticEx.h"
#include "model/ProgramState.h"
#include "platform/Files.h"

namespace harbinet {

namespace {

// Slot k posts kFirstLeft + k on a left click and kFirstRight + k on a right one.
constexpr int kFirstLeft = 275;
constexpr int kFirstRight = 300;

// The board in dialog units: two rows of four pictures (103 x 72), each with three lines of
// caption (103 x 24) under it, in columns and rows of equal pitch.
constexpr int kColumns = 4;
constexpr int kLeft = 8, kTop = 6, kColumnPitch = 110, kRowPitch = 128, kCaptionDrop = 76;

constexpr const char* kSeasonPictures[SeasonSkinChoices::kSeasonRows] = {
    "SPRING.GIF", "SUMMER.GIF", "AUTUMN.GIF", "WINTER.GIF"};

}  // namespace

wxString TerrainSkinsDialog::TitleOf(const ProgramState& state, unsigned set) {
    return wxString::FromUTF8(Format(kTitle, state.settings.TerrainSetName(set).c_str()));
}

TerrainSkinsDialog::TerrainSkinsDialog(ProgramState& state, unsigned set, wxWindow* parent)
    : DialogLook(parent, TitleOf(state, set),
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::ListsAndSkinBoard, true},
                 wxSize(451, 271), &state.desktop),
      state_(state),
      set_(set),
      name_(state.settings.TerrainSetName(set)),
      catalogue_(state.SkinCatalogueFolder) {
    usable_ = Report(state, LoadChoicesOf(state, set, choices_));
    if (!usable_) return;
    seasons_ = state.settings.TerrainSetHasSeasons(set);
    BuildBoard();
    InitLook(ui::Background::Paper);
    RefreshPage();
}

bool TerrainSkinsDialog::Show(bool show) {
    if (show && !usable_) {
        SetReturnCode(wxID_CANCEL);
        return false;
    }
    return DialogLook::Show(show);
}

void TerrainSkinsDialog::BuildBoard() {
    Desktop* desktop = &state_.desktop;
    for (int k = 0; k < kSlots; ++k) {
        const int x = kLeft + kColumnPitch * (k % kColumns), y = kTop + kRowPitch * (k / kColumns);
        auto* tile = new ui::StaticEx(this, wxID_ANY, Dlu(x, y), DluSize(103, 72), 0, desktop);
        tile->SetCommand(static_cast<unsigned>(kFirstLeft + k), nullptr, false, false);
        tile->SetRightCommand(static_cast<unsigned>(kFirstRight + k));
        tiles_[static_cast<std::size_t>(k)] = tile;
        captions_[static_cast<std::size_t>(k)] =
            new ui::StaticEx(this, wxID_ANY, Dlu(x, y + kCaptionDrop), DluSize(103, 24),
                             ui::StaticEx::kCentre, desktop);
    }
    prev_ = AddButton(ui::Button::Prev, 9, 239);
    next_ = AddButton(ui::Button::Next, 51, 239);
    ui::StaticEx* season = AddButton(ui::Button::Season, 120, 239);
    seasonPicture_ = new ui::StaticEx(this, wxID_ANY, Dlu(165, 242), DluSize(100, 14), 0, desktop);
    ui::StaticEx* reset = AddButton(ui::Button::Reset, 275, 239);
    ui::StaticEx* ok = AddButton(ui::Button::Ok, 359, 239);
    ui::StaticEx* cancel = AddButton(ui::Button::Cancel, 401, 239);
    SeparateRow({prev_, next_, season, seasonPicture_, reset, ok, cancel});

    prev_->Hide();
    if (seasons_) {
        LoadSeasonPicture();
    } else {
        season->Disable();
        season->Hide();
    }

    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnStep, this, kFirstLeft, kFirstLeft + kSlots - 1);
    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnStep, this, kFirstRight, kFirstRight + kSlots - 1);
    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnPage, this, ui::id::kPrevCommand);
    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnPage, this, ui::id::kNextCommand);
    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnSeason, this, ui::id::kSeasonCommand);
    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnReset, this, ui::id::kResetCommand);
    Bind(wxEVT_BUTTON, &TerrainSkinsDialog::OnOk, this, wxID_OK);
}

void TerrainSkinsDialog::LoadSeasonPicture() {
    seasonPicture_->LoadPicture(
        files::ResolveName(catalogue_.Folder(), kSeasonPictures[seasonRow_]));
}

void TerrainSkinsDialog::ShowSlot(int slot, std::size_t model, unsigned n) {
    const SkinSlot shown = catalogue_.SlotOf(model, n);
    tiles_[static_cast<std::size_t>(slot)]->LoadPicture(shown.picture);
    captions_[static_cast<std::size_t>(slot)]->SetLabel(wxString::FromUTF8(shown.caption));
}

void TerrainSkinsDialog::RefreshPage() {
    for (int k = 0; k < kSlots; ++k) {
        const std::size_t m = ModelOf(k);
        // The last page has six models: its two empty slots are hidden.
        const bool used = m < AircraftModelTable::kCount;
        tiles_[static_cast<std::size_t>(k)]->Show(used);
        captions_[static_cast<std::size_t>(k)]->Show(used);
        if (used) ShowSlot(k, m, choices_.GetChoice(seasonRow_, m));
    }
    prev_->Show(page_ > 1);
    next_->Show(page_ < kPages);
}

void TerrainSkinsDialog::OnStep(wxCommandEvent& event) {
    const bool forward = event.GetId() < kFirstRight;
    const int slot = event.GetId() - (forward ? kFirstLeft : kFirstRight);
    const std::size_t m = ModelOf(slot);
    if (m >= AircraftModelTable::kCount) return;
    const std::string_view code = AircraftModelTable::CodeAt(m);
    const unsigned current = choices_.GetChoice(seasonRow_, m);
    const unsigned chosen =
        forward ? catalogue_.NextSkinOf(code, current) : catalogue_.PreviousSkinOf(code, current);
    choices_.SetChoice(seasonRow_, m, chosen);
    ShowSlot(slot, m, chosen);
}

void TerrainSkinsDialog::OnPage(wxCommandEvent& event) {
    const int page = page_ + (event.GetId() == ui::id::kNextCommand ? 1 : -1);
    if (page < 1 || page > kPages) return;
    page_ = page;
    RefreshPage();
}

void TerrainSkinsDialog::OnSeason(wxCommandEvent&) {
    if (!seasons_) return;
    seasonRow_ = (seasonRow_ + 1) % SeasonSkinChoices::kSeasonRows;
    LoadSeasonPicture();
    RefreshPage();
}

void TerrainSkinsDialog::OnReset(wxCommandEvent&) {
    if (!state_.host.AskYesNo(text::kCaptionResetSkins, text::kResetSkinsQuestion)) return;
    choices_.ClearChoices();
    RefreshPage();
}

void TerrainSkinsDialog::OnOk(wxCommandEvent&) {
    // The board may have outlived its set: its choices must not become another set's.
    if (state_.settings.TerrainSetName(set_) != name_) {
        state_.host.ShowError(Format(text::kTerrainSetGone, name_.c_str()));
        Finish(wxID_CANCEL);
        return;
    }
    const ChangeResult result = ConfirmTerrainSkins(state_, set_, choices_);
    ReportChange(state_, result);
    if (!result.failed) Finish(wxID_OK);
}

}  // namespace harbinet
