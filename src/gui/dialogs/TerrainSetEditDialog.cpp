#include "gui/dialogs/TerrainSetEditDialog.h"

#include <wx/checkbox.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "gui/widgets/StaticEx.h"
#include "model/Names.h"
#include "terrain/TerrainSetList.h"

namespace harbinet {

TerrainSetEditDialog::TerrainSetEditDialog(ProgramState& state, bool addMode, wxWindow* parent,
                                           const std::string& setName, bool hasSeasons,
                                           bool objectsLow)
    : DialogLook(parent, wxString::FromUTF8(Format(kTitle, addMode ? text::kAdd : text::kModify)),
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::FormsWithChecks, false},
                 wxSize(219, 86), &state.desktop),
      state_(state),
      addMode_(addMode),
      setName_(setName),
      hasSeasons_(hasSeasons),
      objectsLow_(objectsLow) {
    objectsLowCheck_ = new wxCheckBox(this, wxID_ANY, text::kObjectsLowCheck, Dlu(7, 49));
    seasons_ = new wxCheckBox(this, wxID_ANY, text::kHasSeasonsCheck, Dlu(7, 28));
    name_ =
        new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(setName), Dlu(47, 7), DluSize(150, 12));
    name_->SetMaxLength(TerrainSetList::kNameLimit);
    auto* label = new ui::StaticEx(this, wxID_ANY, Dlu(7, 9), DluSize(38, 8), 0, &state.desktop);
    label->SetLabel(text::kTerrainSetLabel);
    AddButton(ui::Button::Cancel, 172, 60);
    ok_ = AddButton(ui::Button::Ok, 129, 60);

    InitLook(ui::Background::Paper);
    ApplyColourRule();
    // The name is the name of the set's folders: it stays what it is.
    name_->Enable(addMode_);
    seasons_->SetValue(hasSeasons_);
    objectsLowCheck_->SetValue(objectsLow_);
    if (addMode_) name_->SetFocus();
    Bind(wxEVT_BUTTON, &TerrainSetEditDialog::OnOk, this, wxID_OK);
}

void TerrainSetEditDialog::OnOk(wxCommandEvent&) {
    const std::string name(TrimBlanks(name_->GetValue().utf8_string()));
    if (name.empty()) return;
    if (addMode_) {
        if (const std::string refusal = TerrainSetList(state_).RefusalOf(name); !refusal.empty()) {
            state_.host.ShowError(refusal);
            return;
        }
        setName_ = name;
    }
    hasSeasons_ = seasons_->GetValue();
    objectsLow_ = objectsLowCheck_->GetValue();
    Finish(wxID_OK);
}

}  // namespace harbinet
