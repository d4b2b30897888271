#include "gui/dialogs/SkinEditDialog.h"

#include <wx/choice.h>
#include <wx/textctrl.h>

#include <algorithm>

#include "gui/widgets/StaticEx.h"
#include "model/Strings.h"

namespace harbinet {

namespace {

wxString Wx(const std::string& text) {
    return wxString::FromUTF8(text);
}

}  // namespace

SkinEditDialog::SkinEditDialog(Mode mode, const std::string& preview, const std::string& basedOn,
                               const SkinRecord& record, wxWindow* parent, Host& host,
                               Desktop* desktop)
    : DialogLook(parent, Wx(Format(kTitle, mode == Mode::Add ? text::kAdd : text::kModify)),
                 ui::Look{ui::DialogFace::ComicSans, ui::ColourRule::SkinForm, false},
                 wxSize(365, 157), desktop),
      record_(record),
      host_(host) {
    auto* picture = new ui::StaticEx(this, wxID_ANY, Dlu(8, 6), DluSize(126, 88), 0, desktop);
    picture->LoadPicture(preview);

    auto label = [&](const char* text, int x, int y, int width) {
        auto* control = new ui::StaticEx(this, wxID_ANY, Dlu(x, y), DluSize(width, 9), 0, desktop);
        control->SetLabel(Wx(text));
        return control;
    };
    label("Model:", 138, 7, 36);
    model_ = AddEdit(record.model, kLongTextLimit, 176, 6, 60);
    label("Based on:", 244, 7, 32);
    label(basedOn.c_str(), 277, 7, 80);
    label("Unit:", 138, 27, 36);
    unit_ = AddEdit(record.unit, kLongTextLimit, 176, 25, 180);
    label("Pilot:", 138, 46, 36);
    pilot_ = AddEdit(record.pilot, kShortTextLimit, 176, 44, 120);
    label("Location:", 138, 64, 36);
    location_ = AddEdit(record.location, kShortTextLimit, 176, 63, 180);
    label("Year:", 138, 84, 36);
    year_ = new wxChoice(this, wxID_ANY, Dlu(176, 82), wxSize(DluSize(48, 12).x, -1));
    for (unsigned y = kFirstYear; y <= kLastYear; ++y) year_->Append(std::to_string(y));
    if (record.year >= kFirstYear && record.year <= kLastYear)
        year_->SetSelection(static_cast<int>(record.year - kFirstYear));
    ui::StaticEx* authorLabel = label("Author (optional):", 9, 108, 76);
    author_ = AddEdit(record.author, kShortTextLimit, 86, 107, 120);
    ui::StaticEx* urlLabel = label("Download URL (optional):", 9, 128, 76);
    url_ = AddEdit(record.url, kLongTextLimit, 86, 126, 180);
    // The two long labels keep their words whole where the font runs wider than planned.
    for (ui::StaticEx* long_label : {authorLabel, urlLabel}) {
        const int right =
            long_label->GetPosition().x + long_label->GetTextExtent(long_label->GetLabel()).x + 4;
        long_label->SetSize(right - long_label->GetPosition().x, -1);
        for (wxTextCtrl* edit : {author_, url_})
            if (edit->GetPosition().x < right) edit->Move(right, edit->GetPosition().y);
    }

    ui::StaticEx* ok = AddButton(ui::Button::Ok, 276, 131);
    AddButton(ui::Button::Cancel, 318, 131);
    InitLook(ui::Background::Paper);
    // OK may have moved left to make room: the URL box ends before it.
    const int urlRight = ok->GetPosition().x - Dlu(4, 0).x;
    if (url_->GetRect().GetRight() > urlRight) url_->SetSize(urlRight - url_->GetPosition().x, -1);
    ApplyColourRule();
    CentreOnParent();
    model_->SetFocus();
    Bind(wxEVT_BUTTON, &SkinEditDialog::OnOk, this, wxID_OK);
}

wxTextCtrl* SkinEditDialog::AddEdit(const std::string& value, std::size_t limit, int x, int y,
                                    int width) {
    auto* edit = new wxTextCtrl(this, wxID_ANY, Wx(value), Dlu(x, y), DluSize(width, 12));
    // Typing stops at the limit; a longer text the record holds already is kept whole (the
    // toolkit would cut it silently) and refused at OK.
    edit->SetMaxLength(
        static_cast<unsigned long>(std::max<std::size_t>(limit, edit->GetValue().length())));
    return edit;
}

void SkinEditDialog::OnOk(wxCommandEvent&) {
    SkinRecord typed = record_;
    typed.model = model_->GetValue().utf8_string();
    typed.unit = unit_->GetValue().utf8_string();
    typed.pilot = pilot_->GetValue().utf8_string();
    typed.location = location_->GetValue().utf8_string();
    typed.author = author_->GetValue().utf8_string();
    typed.url = url_->GetValue().utf8_string();
    if (const int position = year_->GetSelection(); position != wxNOT_FOUND)
        typed.year = kFirstYear + static_cast<unsigned>(position);
    if (const auto fault = CheckSkinRecord(typed)) {
        host_.ShowError(fault->message);
        wxWindow* const boxes[] = {model_, unit_, pilot_, location_, author_, url_, year_};
        boxes[static_cast<std::size_t>(fault->field)]->SetFocus();
        return;
    }
    record_ = std::move(typed);
    Finish(wxID_OK);
}

}  // namespace harbinet
