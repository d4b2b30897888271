// Finding and raising other programs' windows by title on a real X display.
// gtest before Xlib, whose macros (None, Bool) would clash with its names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/Desktop.h"
#include "support/XTestClient.h"

namespace harbinet {
namespace {

class X11Windows : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!client.Ok()) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    }
    test::TestClient client;
    std::unique_ptr<Desktop> desktop = MakeSystemDesktop();
    // Titles of this process alone, as other tests may share the display.
    const std::string pid = std::to_string(::getpid());
};

TEST_F(X11Windows, FindsAWindowByItsExactTitleOnly) {
    const std::string title = "European Air War " + pid;
    const std::string accented = "Gr\xc3\xbc\xc3\x9f" + std::string("e ") + pid;
    EXPECT_FALSE(desktop->WindowExists(title));

    client.Make(title);
    client.Make(accented);
    client.Make("Legacy " + pid, false);  // WM_NAME alone
    // A reparenting window manager puts the client inside a frame window without a title.
    Window frame = client.Make("", false);
    XDeleteProperty(client.D(), frame, XA_WM_NAME);
    client.SetWmState(client.Make("Framed " + pid, true, frame), NormalState);

    for (const std::string& found : {title, accented, "Legacy " + pid, "Framed " + pid})
        EXPECT_TRUE(desktop->WindowExists(found)) << found;
    for (const std::string& other :
         {title.substr(0, title.size() - 1), "european air war " + pid, title + " ", std::string()})
        EXPECT_FALSE(desktop->WindowExists(other)) << other;
}

TEST_F(X11Windows, BringingForwardRestoresAMinimisedWindowAndAsksForActivation) {
    const std::string title = "European Air War " + pid;
    Window w = client.Make(title);
    client.SetWmState(w, IconicState);  // minimised: unmapped, WM_STATE Iconic
    ASSERT_TRUE(desktop->BringWindowForward(title));
    EXPECT_TRUE(
        client.WaitFor([&](const XEvent& e) { return e.type == MapNotify && e.xmap.window == w; }));
    EXPECT_TRUE(client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, w); }));

    // A window its program keeps hidden (never managed) is asked for but not shown.
    Window hidden = client.Make("Hidden " + pid);
    ASSERT_TRUE(desktop->BringWindowForward("Hidden " + pid));
    ASSERT_TRUE(
        client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, hidden); }));
    XWindowAttributes attributes{};
    XGetWindowAttributes(client.D(), hidden, &attributes);
    EXPECT_EQ(attributes.map_state, IsUnmapped);
}

TEST(X11WithoutDisplay, FindsNothingAndNeverFails) {
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    for (const char* display : {"", ":4711"}) {  // none, and no server there
        ::setenv("DISPLAY", display, 1);
        auto desktop = MakeSystemDesktop();
        EXPECT_FALSE(desktop->WindowExists("European Air War")) << display;
        EXPECT_FALSE(desktop->BringWindowForward("European Air War")) << display;
    }
    if (old)
        ::setenv("DISPLAY", saved.c_str(), 1);
    else
        ::unsetenv("DISPLAY");
}

}  // namespace
}  // namespace harbinet
