#include "dialogs/AboutDialog.h"

#include <gtest/gtest.h>

#include "gui/GuiHelpers.h"
#include "support/GameFolder.h"
#include "ui/StaticEx.h"

namespace harbinet::test {
namespace {

TEST(AboutDialog, ReadmeOpensTheManualAndTheDialogStaysOpen) {
    GameFolder game;
    auto* dialog = new AboutDialog(game.Own(), nullptr, &game.desktop);
    EXPECT_EQ(dialog->GetTitle(), "About Harbinet");
    bool openAfterReadme = false;
    const int result = RunModal(*dialog, {[&] {
                                              SendMouse(dialog->ReadmeButton(), wxEVT_LEFT_DOWN);
                                              SendMouse(dialog->ReadmeButton(), wxEVT_LEFT_DOWN);
                                          },
                                          [&] {
                                              openAfterReadme = dialog->IsModal();
                                              SendMouse(dialog->OkButton(), wxEVT_LEFT_DOWN);
                                          }});
    EXPECT_TRUE(openAfterReadme);
    EXPECT_EQ(result, wxID_OK);
    const std::string manual = game.Own() + "Harbinet ReadMe.RTF";
    EXPECT_EQ(game.desktop.opened, (std::vector<std::string>{manual, manual}));
    EXPECT_EQ(game.desktop.sounds.size(), 3u);  // README twice, OK once
    // No control hands anything else to the desktop: there is no contact link.
    for (wxWindow* child : dialog->GetChildren()) {
        if (auto* control = dynamic_cast<ui::CStaticEx*>(child)) {
            EXPECT_TRUE(control->LinkTarget().empty());
        }
    }
    dialog->Destroy();
}

}  // namespace
}  // namespace harbinet::test
