// gtest before Xlib, whose macros (None, Bool) would clash with its names.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "desktop/XTestClient.h"
#include "platform/Desktop.h"

namespace harbinet {
namespace {

class X11Windows : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!client.Ok()) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    }
    test::TestClient client;
};

TEST_F(X11Windows, FindsAWindowByItsExactTitleOnly) {
    // Titles of this process alone, as other tests may share the display.
    const std::string title = "European Air War " + std::to_string(::getpid());
    const std::string accented =
        "Gr\xc3\xbc\xc3\x9f"
        "e " +
        std::to_string(::getpid());
    auto desktop = MakeSystemDesktop();
    EXPECT_FALSE(desktop->WindowExists(title));

    client.Make(title);
    client.Make(accented);
    EXPECT_TRUE(desktop->WindowExists(title));
    EXPECT_TRUE(desktop->WindowExists(accented));
    EXPECT_FALSE(desktop->WindowExists(title.substr(0, title.size() - 1)));
    EXPECT_FALSE(desktop->WindowExists("european air war " + std::to_string(::getpid())));
    EXPECT_FALSE(desktop->WindowExists(title + " "));
    EXPECT_FALSE(desktop->WindowExists(""));
}

TEST_F(X11Windows, FindsOldStyleTitlesAndWindowsInsideAFrame) {
    auto desktop = MakeSystemDesktop();
    client.Make("Harbinet Legacy Title", false);
    // A reparenting window manager puts the client inside a frame window without a title.
    Window frame = client.Make("", false);
    XDeleteProperty(client.D(), frame, XA_WM_NAME);
    Window inner = client.Make("Harbinet Framed Client", true, frame);
    client.SetWmState(inner, NormalState);
    EXPECT_TRUE(desktop->WindowExists("Harbinet Legacy Title"));
    EXPECT_TRUE(desktop->WindowExists("Harbinet Framed Client"));
}

TEST_F(X11Windows, BringingForwardRestoresAMinimisedWindowAndAsksForActivation) {
    auto desktop = MakeSystemDesktop();
    const std::string title = "European Air War " + std::to_string(::getpid());
    Window w = client.Make(title);
    client.SetWmState(w, IconicState);  // minimised: unmapped, WM_STATE Iconic

    ASSERT_TRUE(desktop->BringWindowForward(title));
    EXPECT_TRUE(
        client.WaitFor([&](const XEvent& e) { return e.type == MapNotify && e.xmap.window == w; }));
    EXPECT_TRUE(client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, w); }));
}

TEST_F(X11Windows, AHiddenWindowIsActivatedButNotShown) {
    auto desktop = MakeSystemDesktop();
    Window w = client.Make("Harbinet Hidden Frame");  // never mapped, never managed

    ASSERT_TRUE(desktop->BringWindowForward("Harbinet Hidden Frame"));
    ASSERT_TRUE(client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, w); }));
    // The request came after anything else the desktop asked of the window.
    XWindowAttributes attributes{};
    XGetWindowAttributes(client.D(), w, &attributes);
    EXPECT_EQ(attributes.map_state, IsUnmapped);
}

TEST_F(X11Windows, RaisesAVisibleWindowAboveOthers) {
    auto desktop = MakeSystemDesktop();
    Window below = client.Make("Harbinet Lower Window");
    XMapWindow(client.D(), below);
    Window above = client.Make("Harbinet Upper Window");
    XMapWindow(client.D(), above);
    XSync(client.D(), False);

    ASSERT_TRUE(desktop->BringWindowForward("Harbinet Lower Window"));
    ASSERT_TRUE(
        client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, below); }));
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    ASSERT_TRUE(XQueryTree(client.D(), client.Root(), &root, &parent, &children, &count));
    int posBelow = -1, posAbove = -1;
    for (unsigned int i = 0; i < count; ++i) {
        if (children[i] == below) posBelow = static_cast<int>(i);
        if (children[i] == above) posAbove = static_cast<int>(i);
    }
    XFree(children);
    EXPECT_GT(posBelow, posAbove);  // later in the list is higher in the stacking order
}

TEST_F(X11Windows, MissingWindowIsNotBroughtForward) {
    auto desktop = MakeSystemDesktop();
    EXPECT_FALSE(desktop->BringWindowForward("Harbinet No Such Window"));
}

TEST(X11WithoutDisplay, FindsNothingAndNeverFails) {
    const char* old = std::getenv("DISPLAY");
    const std::string saved = old ? old : "";
    ::unsetenv("DISPLAY");
    auto none = MakeSystemDesktop();
    EXPECT_FALSE(none->WindowExists("European Air War"));
    EXPECT_FALSE(none->BringWindowForward("European Air War"));
    ::setenv("DISPLAY", ":4711", 1);  // no server there
    auto absent = MakeSystemDesktop();
    EXPECT_FALSE(absent->WindowExists("European Air War"));
    EXPECT_FALSE(absent->BringWindowForward("European Air War"));
    if (old)
        ::setenv("DISPLAY", saved.c_str(), 1);
    else
        ::unsetenv("DISPLAY");
}

}  // namespace
}  // namespace harbinet
