#include <gtest/gtest.h>
#include <wx/display.h>
#include <wx/frame.h>

#include "app/SplashWindow.h"
#include "gui/EventWait.h"

namespace harbinet {
namespace {

using test::FlushEvents;
using test::RunEventsUntil;

class SplashTest : public ::testing::Test {
  protected:
    void SetUp() override {
        owner = new wxFrame(nullptr, wxID_ANY, "Splash owner");  // hidden, like the program's
    }
    void TearDown() override {
        if (SplashWindow* splash = SplashWindow::Current()) splash->HideSplash();
        SplashWindow::EnableSplash(false);
        owner->Destroy();
        FlushEvents();
    }
    wxFrame* owner = nullptr;
};

TEST_F(SplashTest, DisabledByTheCommandLineNothingIsShown) {
    SplashWindow::EnableSplash(false);
    SplashWindow::ShowSplash(owner);
    EXPECT_EQ(SplashWindow::Current(), nullptr);
}

TEST_F(SplashTest, ShowsTheTitlePictureCentredOnTheScreenThenGoesByItself) {
    SplashWindow::EnableSplash(true);
    SplashWindow::ShowSplash(owner);
    SplashWindow* splash = SplashWindow::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->IsShown());
    EXPECT_EQ(splash->GetClientSize(), wxSize(500, 250));
    const wxRect screen = wxDisplay(splash).GetGeometry();
    EXPECT_NEAR(splash->GetPosition().x, screen.x + (screen.width - 500) / 2, 1);
    EXPECT_NEAR(splash->GetPosition().y, screen.y + (screen.height - 250) / 2, 1);

    // Only one at a time.
    SplashWindow::ShowSplash(owner);
    EXPECT_EQ(SplashWindow::Current(), splash);

    ASSERT_TRUE(RunEventsUntil([] { return SplashWindow::Current() == nullptr; }));
}

TEST_F(SplashTest, AKeyOrButtonPressHidesItAndIsNotDelivered) {
    SplashWindow::EnableSplash(true);
    for (wxEventType press : {wxEVT_LEFT_DOWN, wxEVT_RIGHT_DOWN, wxEVT_MIDDLE_DOWN}) {
        SplashWindow::ShowSplash(owner);
        ASSERT_NE(SplashWindow::Current(), nullptr);
        // Moves and releases go their way.
        EXPECT_FALSE(SplashWindow::PreTranslateAppMessage(wxMouseEvent(wxEVT_MOTION)));
        EXPECT_FALSE(SplashWindow::PreTranslateAppMessage(wxMouseEvent(wxEVT_LEFT_UP)));
        EXPECT_NE(SplashWindow::Current(), nullptr);

        EXPECT_TRUE(SplashWindow::PreTranslateAppMessage(wxMouseEvent(press)));
        EXPECT_EQ(SplashWindow::Current(), nullptr);
        // Once it is gone, presses are delivered again.
        EXPECT_FALSE(SplashWindow::PreTranslateAppMessage(wxMouseEvent(press)));
        FlushEvents();
    }
    SplashWindow::ShowSplash(owner);
    EXPECT_TRUE(SplashWindow::PreTranslateAppMessage(wxKeyEvent(wxEVT_KEY_DOWN)));
    EXPECT_EQ(SplashWindow::Current(), nullptr);
}

}  // namespace
}  // namespace harbinet
