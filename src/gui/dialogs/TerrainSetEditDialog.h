// "Add Terrain Set" and "Modify Terrain Set": the name and the two flags of one terrain set.
// The dialog only collects them; the terrain sets list writes them.
#pragma once

#include <string>

#include "gui/widgets/DialogLook.h"

class wxCheckBox;
class wxTextCtrl;

namespace harbinet {

struct ProgramState;

class TerrainSetEditDialog : public ui::DialogLook {
  public:
    // Formatted with "Add" or "Modify".
    static constexpr const char* kTitle = "%s Terrain Set";

    // In add mode the name is typed and checked against the other sets on OK; in modify mode
    // it is shown but cannot be changed.
    TerrainSetEditDialog(ProgramState& state, bool addMode, wxWindow* parent,
                         const std::string& setName = "", bool hasSeasons = false,
                         bool objectsLow = false);

    // The values taken at OK (trimmed name); after Cancel the ones given.
    const std::string& SetName() const { return setName_; }
    using wxDialog::SetName;  // the window's name, as wx has it
    bool HasSeasons() const { return hasSeasons_; }
    bool ObjectsLow() const { return objectsLow_; }

    wxTextCtrl* NameField() const { return name_; }
    wxCheckBox* SeasonsCheck() const { return seasons_; }
    wxCheckBox* ObjectsLowCheck() const { return objectsLowCheck_; }
    ui::StaticEx* OkButton() const { return ok_; }

  private:
    void OnOk(wxCommandEvent& event);

    ProgramState& state_;
    bool addMode_;
    std::string setName_;
    bool hasSeasons_, objectsLow_;
    wxCheckBox* objectsLowCheck_ = nullptr;
    wxCheckBox* seasons_ = nullptr;
    wxTextCtrl* name_ = nullptr;
    ui::StaticEx* ok_ = nullptr;
};

}  // namespace harbinet
