// "About Harbinet": the title picture, README (the manual beside the program) and OK.
#pragma once

#include <string>

#include "gui/widgets/DialogLook.h"

namespace harbinet {

class AboutDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "About Harbinet";
    static constexpr const char* kManual = "Harbinet ReadMe.RTF";

    // ownFolder is the program's folder, ending in "/".
    AboutDialog(const std::string& ownFolder, wxWindow* parent, Desktop* desktop);

    ui::StaticEx* ReadmeButton() const { return readme_; }

  private:
    void OnReadme(wxCommandEvent& event);

    std::string ownFolder_;
    ui::StaticEx* readme_ = nullptr;
};

}  // namespace harbinet
