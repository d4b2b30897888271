// "Configure Skins": every installed skin of the catalogue in a list sorted by its model text,
// with ADD (a downloaded skin), MODIFY (its description) and DELETE (it and all its files).
// Each change is written when it is made, so closing writes nothing.
#pragma once

#include <string>

#include "gui/widgets/DialogLook.h"
#include "skins/SkinCatalogue.h"

class wxListCtrl;
class wxListEvent;

namespace harbinet {

struct ProgramState;

class ConfigureSkinsDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "Configure Skins";
    enum Column { kModel, kUnit, kPilot, kLocation, kYear, kId, kColumns };

    ConfigureSkinsDialog(ProgramState& state, wxWindow* parent);

    wxListCtrl* List() const { return list_; }
    // The line that tells what the last ADD stored.
    ui::StaticEx* Status() const { return status_; }

  protected:
    // The main texture file the user picks in the system's file dialog, starting in
    // initialFolder (one that exists); empty when the user cancels.
    virtual std::string PickSkinFile(const std::string& initialFolder);

  private:
    void OnAdd(wxCommandEvent& event);
    void OnModify(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnActivated(wxListEvent& event);
    void Modify(long row);
    // True when skin n is still installed; else the user is told and its row goes.
    bool StillInstalled(unsigned n);
    // Puts the skin into the list at its place in the order by model.
    long InsertRow(unsigned n, const SkinRecord& record);
    void SetColumns(long row, const SkinRecord& record);

    ProgramState& state_;
    SkinCatalogue catalogue_;
    wxListCtrl* list_ = nullptr;
    ui::StaticEx* status_ = nullptr;
};

}  // namespace harbinet
