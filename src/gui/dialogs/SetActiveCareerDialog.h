// "Set Active Career": up to ten careers of the game's Savedata folder as lines on a log book
// page; clicking one stamps its save with the current time, which makes it the active career.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "gui/widgets/DialogLook.h"
#include "gui/widgets/Ids.h"

namespace harbinet {
class Host;
}

namespace harbinet::ui {
class StaticEx;
}

namespace harbinet {

class SetActiveCareerDialog : public ui::DialogLook {
  public:
    static constexpr const char* kTitle = "Set Active Career";
    static constexpr int kLines = 10;

    // gameFolder ends in "/"; activeCareerPath is the career last acted on ("" for none).
    // Failed reads and stamps are reported through ui.
    SetActiveCareerDialog(const std::string& gameFolder, const std::string& activeCareerPath,
                          wxWindow* parent, Host& ui, Desktop* desktop);

    // Every career save in listing order, beyond the tenth too; entry i belongs to line i.
    const std::vector<std::string>& CareerPathList() const { return careerPaths_; }
    ui::StaticEx* Line(int i) const { return lines_[static_cast<std::size_t>(i)]; }
    ui::StaticEx* CancelButton() const { return cancel_; }

  private:
    void FillLines();
    void OnCareerChosen(wxCommandEvent& event);

    ui::StaticEx* cancel_ = nullptr;
    std::array<ui::StaticEx*, kLines> lines_{};
    std::string activeCareerPath_;
    std::vector<std::string> careerPaths_;
    std::string gameFolder_;
    Host& ui_;
};

}  // namespace harbinet
