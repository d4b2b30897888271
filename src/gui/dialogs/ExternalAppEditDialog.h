// "Add External Application" / "Modify External Application": one description and the path
// of the program or document the tray's "Launch" sub-menu starts.
#pragma once

#include <string>

#include "gui/widgets/DialogLook.h"

class wxTextCtrl;

namespace harbinet {

struct ProgramState;

class ExternalAppEditDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "%s External Application";
    enum class Mode { Add, Modify };

    ExternalAppEditDialog(ProgramState& state, Mode mode, wxWindow* parent,
                          const std::string& description = {}, const std::string& executable = {});

    // The accepted texts after OK.
    const std::string& Description() const { return description_; }
    const std::string& Executable() const { return executable_; }
    wxTextCtrl* DescriptionEdit() const { return descriptionEdit_; }
    wxTextCtrl* ExecutableEdit() const { return executableEdit_; }

  protected:
    // The full path of the file the user picks in the system's file dialog; empty on Cancel.
    virtual std::string PickExecutable();

  private:
    void OnBrowse(wxCommandEvent& event);
    void OnOk(wxCommandEvent& event);

    ProgramState& state_;
    std::string description_, executable_;
    wxTextCtrl* descriptionEdit_ = nullptr;
    wxTextCtrl* executableEdit_ = nullptr;
};

}  // namespace harbinet
