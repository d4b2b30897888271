// "Configure Terrain Sets": the list of terrain sets, where the user adds one, changes its two
// flags, deletes it or chooses its skins. Every change is written at once.
#pragma once

#include <optional>

#include "gui/widgets/DialogLook.h"

class wxListCtrl;
class wxListEvent;

namespace harbinet {

struct ProgramState;
struct TerrainSetRow;

class TerrainSetsDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "Configure Terrain Sets";

    TerrainSetsDialog(ProgramState& state, wxWindow* parent);

    wxListCtrl* List() const { return list_; }
    ui::StaticEx* Button(ui::Button button) const;

  private:
    // Rows of the used slots, sorted as text by their Id, so that 10 comes between 1 and 2.
    void Fill();
    void Select(unsigned slot);
    // The slot of the first selected row from the top.
    std::optional<unsigned> SelectedSlot() const;

    void OnAdd(wxCommandEvent& event);
    void OnModify(wxCommandEvent& event);
    void OnDelete(wxCommandEvent& event);
    void OnSkins(wxCommandEvent& event);
    void OnActivated(wxListEvent& event);
    void Modify();
    // Handlers that ran a dialog first look again: true when the slot still holds that set;
    // else the user is told and the list is read anew.
    bool StillThere(const TerrainSetRow& row);

    ProgramState& state_;
    ui::StaticEx* skins_ = nullptr;
    ui::StaticEx* modify_ = nullptr;
    ui::StaticEx* delete_ = nullptr;
    ui::StaticEx* add_ = nullptr;
    wxListCtrl* list_ = nullptr;
    ui::StaticEx* ok_ = nullptr;
};

}  // namespace harbinet
