#include <gtest/gtest.h>
#include <wx/dialog.h>

#include "app/OpenOnce.h"
#include "gui/EventWait.h"
#include "support/Recorder.h"

namespace harbinet {
namespace {

TEST(OpenOnce, AnOpenDialogOfTheProgramIsBroughtForward) {
    test::RecordingDesktop desktop;
    auto* open = new wxDialog(nullptr, wxID_ANY, "Configure Skins");
    open->Show();
    open->Iconize(true);
    EXPECT_TRUE(RaiseExistingWindow("Configure Skins", desktop));
    EXPECT_FALSE(open->IsIconized());
    EXPECT_TRUE(desktop.raised.empty());
    open->Destroy();
    test::FlushEvents();
}

TEST(OpenOnce, AWindowOfAnotherProgramWithTheTitleCountsToo) {
    test::RecordingDesktop desktop;
    desktop.windows = {"About Harbinet"};
    EXPECT_TRUE(RaiseExistingWindow("About Harbinet", desktop));
    EXPECT_EQ(desktop.raised, std::vector<std::string>{"About Harbinet"});
    // The title must match exactly.
    EXPECT_FALSE(RaiseExistingWindow("About Harbinet 2", desktop));
    EXPECT_FALSE(RaiseExistingWindow("about harbinet", desktop));
}

}  // namespace
}  // namespace harbinet
