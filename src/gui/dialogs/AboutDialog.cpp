#include "gui/dialogs/AboutDialog.h"

#include <wx/statbmp.h>

#include "gui/widgets/Art.h"
#include "gui/widgets/Ids.h"
#include "gui/widgets/StaticEx.h"
#include "platform/Desktop.h"

namespace harbinet {

AboutDialog::AboutDialog(const std::string& ownFolder, wxWindow* parent, Desktop* desktop)
    : DialogLook(parent, kTitle,
                 ui::Look{ui::DialogFace::MsSansSerif, ui::ColourRule::PictureDialogs, true},
                 wxSize(300, 196), desktop),
      ownFolder_(ownFolder) {
    // The title picture is shown as drawn: its whites are snow, not holes.
    const wxBitmap title = ui::EmbeddedBitmap(ui::kTitlePicture);
    if (title.IsOk()) new wxStaticBitmap(this, wxID_ANY, title, Dlu(7, 7));
    // The project publishes no contact address, so the contact line is left out.
    readme_ = AddButton(ui::Button::Readme, 200, 170);
    AddButton(ui::Button::Ok, 253, 170);
    InitLook(ui::Background::Paper);
    Bind(wxEVT_BUTTON, &AboutDialog::OnReadme, this, ui::id::kReadmeCommand);
}

void AboutDialog::OnReadme(wxCommandEvent&) {
    // The dialog stays open, also when the manual could not be opened.
    const std::string manual = ownFolder_ + kManual;
    std::string error;
    if (DesktopServices() && !DesktopServices()->ShellOpen(manual, &error))
        ui::ShowUnableToOpen(this, manual, error);
}

}  // namespace harbinet
