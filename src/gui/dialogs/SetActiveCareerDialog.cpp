#include "gui/dialogs/SetActiveCareerDialog.h"

#include "careers/ActiveCareer.h"
#include "gui/widgets/StaticEx.h"
#include "model/Host.h"
#include "platform/Files.h"
#include "program/CareerCheck.h"

namespace harbinet {

namespace {
const wxColour kActiveColour(0x00, 0x00, 0x00);  // black, also under the mouse
const wxColour kOtherColour(0x00, 0x00, 0x80);   // navy
const wxColour kOtherHover(0xFF, 0x00, 0x00);    // red
constexpr int kCornerGap = 10;
}  // namespace

SetActiveCareerDialog::SetActiveCareerDialog(const std::string& gameFolder,
                                             const std::string& activeCareerPath, wxWindow* parent,
                                             Host& ui, Desktop* desktop)
    : DialogLook(parent, kTitle,
                 ui::Look{ui::DialogFace::MsSansSerif, ui::ColourRule::PictureDialogs, true},
                 wxSize(260, 161), desktop),
      activeCareerPath_(activeCareerPath),
      gameFolder_(gameFolder),
      ui_(ui) {
    cancel_ = AddButton(ui::Button::Cancel, 210, 136);
    for (int i = 0; i < kLines; ++i)
        lines_[static_cast<std::size_t>(i)] =
            new ui::StaticEx(this, wxID_ANY, Dlu(7, 7 + 12 * i), DluSize(245, 8), 0, desktop);

    InitLook(ui::Background::Picture);
    const wxSize client = GetClientSize();
    const wxSize button = cancel_->GetSize();
    cancel_->Move(client.x - button.x - kCornerGap, client.y - button.y - kCornerGap);

    FillLines();
    Bind(wxEVT_BUTTON, &SetActiveCareerDialog::OnCareerChosen, this, ui::id::kFirstCareerLine,
         ui::id::kFirstCareerLine + kLines - 1);
}

void SetActiveCareerDialog::FillLines() {
    const wxFont lineFont = ui::CareerLineFont();
    for (const CareerFile& career : ListCareerFiles(gameFolder_)) {
        const std::size_t i = careerPaths_.size();
        careerPaths_.push_back(career.path);
        if (i >= lines_.size()) continue;
        // An unreadable save still gets its line, with empty fields.
        CareerRecord record;
        ReadCareerOrReport(record, career.path, ui_);
        const bool active = career.path == activeCareerPath_;
        ui::StaticEx* line = lines_[i];
        line->SetLabelFont(lineFont);
        line->SetTextColour(active ? kActiveColour : kOtherColour);
        line->SetHoverColour(active ? kActiveColour : kOtherHover);
        const wxString text = wxString::FromUTF8(CareerLineText(record));
        line->SetCommand(static_cast<unsigned>(ui::id::kFirstCareerLine + static_cast<int>(i)),
                         &text, true, true);
    }
}

void SetActiveCareerDialog::OnCareerChosen(wxCommandEvent& event) {
    const std::size_t k = static_cast<std::size_t>(event.GetId() - ui::id::kFirstCareerLine);
    if (k >= careerPaths_.size()) return;
    const std::string& path = careerPaths_[k];
    files::FileTime time = 0;
    if (!files::GetLastWriteTime(path, time)) return;
    std::string cause;
    if (!files::SetLastWriteTimeNow(path, &cause)) {
        ui_.ShowError(
            Format("The career file %s could not be made active: %s", path.c_str(), cause.c_str()));
        return;
    }
    Finish(wxID_OK);
}

}  // namespace harbinet
