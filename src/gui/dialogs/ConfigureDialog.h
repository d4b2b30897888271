// "Configure Harbinet": the four behaviour flags, the usual ground-object detail and, in
// Advanced Mode, the pattern lists of the terrain, skin and common files. OK only accepts the
// options; the frame stores them (ApplyConfiguration).
#pragma once

#include <array>

#include "gui/widgets/DialogLook.h"
#include "program/Configuration.h"

class wxCheckBox;
class wxRadioButton;
class wxTextCtrl;

namespace harbinet {

struct ProgramState;

class ConfigureDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "Configure Harbinet";
    enum Flag { kClickDefault, kLoadOnStart, kCopySkins, kLaunchAfter, kFlags };
    enum Pattern { kCommonFiles, kTerrainFiles, kSkinFiles, kPatterns };

    ConfigureDialog(ProgramState& state, const Configuration& options, wxWindow* parent);

    // The options accepted by OK.
    const Configuration& Options() const { return options_; }

    wxCheckBox* FlagBox(Flag flag) const { return flags_[flag]; }
    wxRadioButton* DetailButton(unsigned detail) const { return details_[detail]; }
    wxCheckBox* AdvancedMode() const { return advanced_; }
    wxTextCtrl* PatternEdit(Pattern pattern) const { return patterns_[pattern]; }

  private:
    void OnAdvancedMode(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    ProgramState& state_;
    Configuration options_;
    std::array<wxCheckBox*, kFlags> flags_{};
    std::array<wxRadioButton*, 3> details_{};
    bool detailChosen_ = false;
    wxCheckBox* advanced_ = nullptr;
    std::array<wxTextCtrl*, kPatterns> patterns_{};
};

}  // namespace harbinet
