#include "gui/dialogs/ExternalAppEditDialog.h"

#include <wx/filedlg.h>
#include <wx/textctrl.h>

#include "gui/widgets/Ids.h"
#include "gui/widgets/RunDialog.h"
#include "gui/widgets/StaticEx.h"
#include "launch/ExternalAppList.h"
#include "model/ProgramState.h"

namespace harbinet {

ExternalAppEditDialog::ExternalAppEditDialog(ProgramState& state, Mode mode, wxWindow* parent,
                                             const std::string& description,
                                             const std::string& executable)
    : DialogLook(parent,
                 wxString::FromUTF8(Format(kTitle, mode == Mode::Add ? text::kAdd : text::kModify)),
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::AppForm, false},
                 wxSize(262, 76), &state.desktop),
      state_(state) {
    const struct {
        const char* label;
        int y;
        const std::string& value;
        std::size_t limit;
        wxTextCtrl*& edit;
    } fields[] = {
        {text::kAppDescriptionLabel, 7, description, kAppDescriptionLimit, descriptionEdit_},
        {text::kAppExecutableLabel, 25, executable, kAppExecutableLimit, executableEdit_},
    };
    for (const auto& f : fields) {
        auto* label =
            new ui::StaticEx(this, wxID_ANY, Dlu(7, f.y + 2), DluSize(44, 8), 0, &state.desktop);
        label->SetLabel(f.label);
        f.edit = new wxTextCtrl(this, wxID_ANY, wxString::FromUTF8(f.value), Dlu(53, f.y),
                                DluSize(202, 12));
        f.edit->SetMaxLength(static_cast<unsigned long>(f.limit));
    }
    AddButton(ui::Button::Browse, 7, 47);
    AddButton(ui::Button::Ok, 171, 47);
    AddButton(ui::Button::Cancel, 215, 47);
    InitLook(ui::Background::Paper);
    ApplyColourRule();
    descriptionEdit_->SetFocus();
    Bind(wxEVT_BUTTON, &ExternalAppEditDialog::OnBrowse, this, ui::id::kBrowseCommand);
    Bind(wxEVT_BUTTON, &ExternalAppEditDialog::OnOk, this, wxID_OK);
}

std::string ExternalAppEditDialog::PickExecutable() {
    return ui::PickFile(this, wxFileSelectorPromptStr, wxEmptyString, text::kExecutableFilter);
}

void ExternalAppEditDialog::OnBrowse(wxCommandEvent&) {
    if (const std::string path = PickExecutable(); !path.empty())
        executableEdit_->ChangeValue(wxString::FromUTF8(path));
}

void ExternalAppEditDialog::OnOk(wxCommandEvent&) {
    const std::string description = descriptionEdit_->GetValue().utf8_string();
    const std::string executable = executableEdit_->GetValue().utf8_string();
    const AppEntryCheck check = CheckExternalApp(state_, description, executable);
    // Empty fields are ignored without a word: OK simply does nothing yet.
    if (check == AppEntryCheck::EmptyField) return;
    if (check != AppEntryCheck::Accepted)
        return state_.host.ShowError(AppEntryCheckText(check, executable));
    description_ = description;
    executable_ = executable;
    Finish(wxID_OK);
}

}  // namespace harbinet
