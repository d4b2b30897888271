#include "gui/app/SplashWindow.h"

#include "gui/GuiSupport.h"

namespace harbinet::test {
namespace {

class SplashTest : public ::testing::Test {
  protected:
    void SetUp() override { SplashWindow::EnableSplash(true); }
    void TearDown() override {
        if (SplashWindow* splash = SplashWindow::Current()) splash->HideSplash();
        SplashWindow::EnableSplash(false);
        owner->Destroy();
        FlushEvents();
    }
    // Shows the splash and passes it the event; true when the event was kept from the program
    // and the splash is gone.
    bool HiddenBy(const wxEvent& event) {
        SplashWindow::ShowSplash(owner);
        EXPECT_NE(SplashWindow::Current(), nullptr);
        return SplashWindow::PreTranslateAppMessage(event) && !SplashWindow::Current();
    }
    wxFrame* owner = new wxFrame(nullptr, wxID_ANY, "hidden owner");
};

TEST_F(SplashTest, GoesByItsTimer) {
    SplashWindow::ShowSplash(owner);
    ASSERT_NE(SplashWindow::Current(), nullptr);
    EXPECT_TRUE(RunEventsUntil([] { return SplashWindow::Current() == nullptr; }));
}

TEST_F(SplashTest, GoesAtAKeyOrButtonPressWhichItKeeps) {
    EXPECT_TRUE(HiddenBy(wxKeyEvent(wxEVT_KEY_DOWN)));
    EXPECT_TRUE(HiddenBy(wxMouseEvent(wxEVT_LEFT_DOWN)));
    EXPECT_TRUE(HiddenBy(wxMouseEvent(wxEVT_RIGHT_DOWN)));
    EXPECT_FALSE(HiddenBy(wxMouseEvent(wxEVT_MOTION)));
}

}  // namespace
}  // namespace harbinet::test
