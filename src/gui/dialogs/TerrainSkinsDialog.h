// "Configure Skins for NAME": the skin each of the thirty aircraft wears in a terrain set, per
// season for a set with seasons, chosen on a board of eight pictures a page. A left click on
// a picture steps to the model's next installed skin, a right click to the previous one; OK
// saves the choices and stages the chosen skins into the set's folders.
#pragma once

#include <array>
#include <string>

#include "gui/widgets/DialogLook.h"
#include "skins/SeasonSkinChoices.h"
#include "skins/SkinCatalogue.h"

namespace harbinet {

struct ProgramState;

class TerrainSkinsDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "Configure Skins for %s";
    static constexpr int kSlots = 8;
    static constexpr int kPages = 4;

    // set is 1..25. A set whose name cannot have skin choices is told why here, and the
    // dialog then never shows: running it ends at once with wxID_CANCEL.
    TerrainSkinsDialog(ProgramState& state, unsigned set, wxWindow* parent);

    // The title of set's dialog, by which an open one is found.
    static wxString TitleOf(const ProgramState& state, unsigned set);

    bool Show(bool show = true) override;

    int Page() const { return page_; }
    ui::StaticEx* Tile(int slot) const { return tiles_[static_cast<std::size_t>(slot)]; }
    ui::StaticEx* Caption(int slot) const { return captions_[static_cast<std::size_t>(slot)]; }
    ui::StaticEx* PrevButton() const { return prev_; }
    ui::StaticEx* NextButton() const { return next_; }

  private:
    void BuildBoard();
    void RefreshPage();
    void ShowSlot(int slot, std::size_t model, unsigned n);
    std::size_t ModelOf(int slot) const {
        return static_cast<std::size_t>((page_ - 1) * kSlots + slot);
    }
    void LoadSeasonPicture();
    void OnStep(wxCommandEvent& event);
    void OnPage(wxCommandEvent& event);
    void OnSeason(wxCommandEvent& event);
    void OnReset(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    ProgramState& state_;
    unsigned set_;
    std::string name_;  // the set's name when the board opened
    bool usable_ = false;
    bool seasons_ = false;
    SkinCatalogue catalogue_;
    SeasonSkinChoices choices_;
    int page_ = 1;
    std::size_t seasonRow_ = 0;
    std::array<ui::StaticEx*, kSlots> tiles_{};
    std::array<ui::StaticEx*, kSlots> captions_{};
    ui::StaticEx* prev_ = nullptr;
    ui::StaticEx* next_ = nullptr;
    ui::StaticEx* seasonPicture_ = nullptr;
};

}  // namespace harbinet
