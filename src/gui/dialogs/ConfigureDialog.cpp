#include "gui/dialogs/ConfigureDialog.h"

#include <wx/checkbox.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "gui/widgets/StaticEx.h"
#include "model/ProgramState.h"

namespace harbinet {

namespace {

constexpr int kPatternLimit = 255;

}  // namespace

ConfigureDialog::ConfigureDialog(ProgramState& state, const Configuration& options,
                                 wxWindow* parent)
    : DialogLook(parent, kTitle,
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::FormsWithChecks, true},
                 wxSize(250, 184), &state.desktop),
      state_(state),
      options_(options) {
    const std::pair<const char*, bool> flags[kFlags] = {
        {text::kClickDefaultOption, options.clickDefault},
        {text::kLoadOnStartOption, options.loadOnStart},
        {text::kCopySkinsOption, options.copySkins},
        {text::kLaunchAfterOption, options.launchAfter}};
    for (int i = 0; i < kFlags; ++i) {
        flags_[i] = new wxCheckBox(this, wxID_ANY, flags[i].first, Dlu(7, 7 + 12 * i));
        flags_[i]->SetValue(flags[i].second);
    }

    auto* detail = new ui::StaticEx(this, wxID_ANY, Dlu(7, 60), DluSize(236, 8), 0, &state.desktop);
    detail->SetLabel(text::kObjectDetailLabel);
    const std::pair<const char*, int> details[] = {
        {text::kDetailLow, 17}, {text::kDetailMedium, 67}, {text::kDetailHigh, 127}};
    for (unsigned i = 0; i < details_.size(); ++i) {
        details_[i] =
            new wxRadioButton(this, wxID_ANY, details[i].first, Dlu(details[i].second, 72),
                              wxDefaultSize, i == 0 ? wxRB_GROUP : 0);
        details_[i]->SetValue(options.objectDetail == i);
        details_[i]->Bind(wxEVT_RADIOBUTTON, [this](wxCommandEvent&) { detailChosen_ = true; });
    }
    // GTK checks one button of a group whatever is set: an unknown stored level stays unless
    // the user picks one.
    detailChosen_ = options.objectDetail.has_value();

    advanced_ = new wxCheckBox(this, wxID_ANY, text::kAdvancedMode, Dlu(7, 90));
    const std::pair<const char*, const std::string*> patterns[kPatterns] = {
        {text::kCommonFilesLabel, &options.commonFiles},
        {text::kTerrainFilesLabel, &options.terrainFiles},
        {text::kSkinFilesLabel, &options.skinFiles}};
    for (int i = 0; i < kPatterns; ++i) {
        const int y = 106 + 16 * i;
        auto* label =
            new ui::StaticEx(this, wxID_ANY, Dlu(7, y + 2), DluSize(56, 8), 0, &state.desktop);
        label->SetLabel(patterns[i].first);
        patterns_[i] = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(*patterns[i].second),
                                      Dlu(64, y), DluSize(179, 12));
        patterns_[i]->SetMaxLength(kPatternLimit);
        patterns_[i]->Disable();
    }

    AddButton(ui::Button::Ok, 159, 155);
    AddButton(ui::Button::Cancel, 203, 155);
    InitLook(ui::Background::Paper);
    ApplyColourRule();
    advanced_->Bind(wxEVT_CHECKBOX, &ConfigureDialog::OnAdvancedMode, this);
    Bind(wxEVT_BUTTON, &ConfigureDialog::OnOk, this, wxID_OK);
}

void ConfigureDialog::OnAdvancedMode(wxCommandEvent&) {
    for (wxTextCtrl* edit : patterns_) edit->Enable(advanced_->GetValue());
}

void ConfigureDialog::OnOk(wxCommandEvent&) {
    Configuration chosen = options_;
    chosen.clickDefault = flags_[kClickDefault]->GetValue();
    chosen.loadOnStart = flags_[kLoadOnStart]->GetValue();
    chosen.copySkins = flags_[kCopySkins]->GetValue();
    chosen.launchAfter = flags_[kLaunchAfter]->GetValue();
    for (unsigned i = 0; i < details_.size(); ++i)
        if (detailChosen_ && details_[i]->GetValue()) chosen.objectDetail = i;
    chosen.commonFiles = patterns_[kCommonFiles]->GetValue().utf8_string();
    chosen.terrainFiles = patterns_[kTerrainFiles]->GetValue().utf8_string();
    chosen.skinFiles = patterns_[kSkinFiles]->GetValue().utf8_string();
    if (const auto refused = RefusedPatternList(chosen)) {
        state_.host.ShowError(RefusedPatternListText(*refused));
        return;
    }
    options_ = chosen;
    Finish(wxID_OK);
}

}  // namespace harbinet
