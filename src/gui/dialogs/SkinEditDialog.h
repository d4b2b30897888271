// "Add Skin" / "Modify Skin": one skin's description next to its preview picture. The dialog
// reads and writes no file; its caller fills it and reads the record back after OK.
#pragma once

#include <string>

#include "gui/widgets/DialogLook.h"
#include "skins/SkinCatalogue.h"

class wxChoice;
class wxTextCtrl;

namespace harbinet {

class SkinEditDialog : public ui::DialogLook {
  public:
    enum class Mode { Add, Modify };
    static constexpr const char* kTitle = "%s Skin";

    // Too long texts are reported through host. basedOn is the display name of the skin's model
    // (may be empty).
    SkinEditDialog(Mode mode, const std::string& preview, const std::string& basedOn,
                   const SkinRecord& record, wxWindow* parent, Host& host, Desktop* desktop);

    // The record as the user accepted it; a year the list did not offer stays as it was.
    const SkinRecord& Record() const { return record_; }

    wxTextCtrl* ModelBox() const { return model_; }
    wxTextCtrl* UnitBox() const { return unit_; }
    wxTextCtrl* PilotBox() const { return pilot_; }
    wxTextCtrl* AuthorBox() const { return author_; }
    wxTextCtrl* UrlBox() const { return url_; }
    wxChoice* YearList() const { return year_; }

  private:
    void OnOk(wxCommandEvent& event);
    wxTextCtrl* AddEdit(const std::string& value, std::size_t limit, int x, int y, int width);

    SkinRecord record_;
    Host& host_;
    wxTextCtrl* model_ = nullptr;
    wxTextCtrl* unit_ = nullptr;
    wxTextCtrl* pilot_ = nullptr;
    wxTextCtrl* location_ = nullptr;
    wxTextCtrl* author_ = nullptr;
    wxTextCtrl* url_ = nullptr;
    wxChoice* year_ = nullptr;
};

}  // namespace harbinet
