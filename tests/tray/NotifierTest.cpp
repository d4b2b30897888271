// The tray as a status notifier item, reached over a private session bus as a panel reaches it:
// registration with watchers present at start or appearing later, the item's properties, the
// menu's layout and clicks, and the icon's own clicks.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gui/GuiSupport.h"
#include "gui/app/NotifierTray.h"
#include "tray/SessionBus.h"

namespace harbinet::test {
namespace {

constexpr const char* kManualSummer =
    "[Harbinet]\nVersion=22\nMode=0\nTerrain=2\nTerrainSet=1\nCopySkins=0\nTerrainFiles=*.TER\n"
    "[TerrainSets]\nTerrain1=Channel Front\nSeasons1=1\n";

class NotifierTest : public FrameTest {
  protected:
    void SetUp() override { ::unsetenv("HARBINET_TRAY"); }
    void TearDown() override {
        FrameTest::TearDown();
        ::setenv("HARBINET_TRAY", "xembed", 1);
    }
    // The frame on these settings, each season's MAP.TER of set 1 holding its name; the
    // messages of its start are kept.
    MainFrame& StartOn(const std::string& settings) {
        for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
            WriteFile(game.Own() + "Terrain/Channel Front/" + season + "/MAP.TER", season);
        WriteFile(game.Settings(), settings);
        frame =
            new MainFrame(Folders::FromExecutable(game.Own() + "harbinet"), game.desktop, &game.ui);
        return *frame;
    }
    // The service the item registered with the watcher.
    std::string Registered(TestWatcher& watcher) {
        EXPECT_TRUE(RunEventsUntil([&] { return !watcher.registered.empty(); }));
        return watcher.registered.empty() ? "" : watcher.registered.back();
    }
    std::string Text(GVariant* value) {
        std::string text = value ? g_variant_get_string(value, nullptr) : "";
        if (value) g_variant_unref(value);
        return text;
    }
    BusClient bus;
};

TEST_F(NotifierTest, TheChosenTrayFollowsTheUserAndTheDesktop) {
    // The test display has no XEmbed tray.
    struct Case {
        const char* chosen;
        bool watcher;
        bool notifier;
        bool told;  // that nothing can show the icon
    };
    for (const Case& c : {Case{"", true, true, false}, Case{"", false, true, true},
                          Case{"xembed", true, false, true}, Case{"sni", false, true, true}}) {
        ::setenv("HARBINET_TRAY", c.chosen, 1);
        std::optional<TestWatcher> watcher;
        if (c.watcher) watcher.emplace();
        MainFrame& f = StartOn(kManualSummer);
        EXPECT_EQ(dynamic_cast<NotifierTray*>(f.Tray()) != nullptr, c.notifier) << c.chosen;
        const bool told = !game.ui.messages.empty() &&
                          game.ui.messages[0].find("no notification area") != std::string::npos;
        EXPECT_EQ(told, c.told) << c.chosen;
        f.Destroy();
        FlushEvents();
        game.ui.messages.clear();
    }
}

TEST_F(NotifierTest, RegistersAndShowsTitleStatusToolTipAndEverySizeOfTheIcon) {
    TestWatcher watcher;
    StartOn(kManualSummer);
    const std::string item = Registered(watcher);
    EXPECT_EQ(Text(bus.ItemProperty(item, "Title")), "Harbinet");
    EXPECT_EQ(Text(bus.ItemProperty(item, "Id")), "harbinet");
    EXPECT_EQ(Text(bus.ItemProperty(item, "Category")), "ApplicationStatus");
    EXPECT_EQ(Text(bus.ItemProperty(item, "Status")), "Active");

    GVariant* tip = bus.ItemProperty(item, "ToolTip");
    ASSERT_NE(tip, nullptr);
    const char* body = nullptr;
    g_variant_get(tip, "(&s@a(iiay)&s&s)", nullptr, nullptr, &body, nullptr);
    EXPECT_STREQ(body, "Harbinet - Manual Mode, Summer Terrain (Channel Front)");
    g_variant_unref(tip);

    GVariant* pixmaps = bus.ItemProperty(item, "IconPixmap");
    ASSERT_NE(pixmaps, nullptr);
    std::vector<int> sizes;
    for (gsize i = 0; i < g_variant_n_children(pixmaps); ++i) {
        gint32 w = 0, h = 0;
        GVariant* bytes = nullptr;
        g_variant_get_child(pixmaps, i, "(ii@ay)", &w, &h, &bytes);
        EXPECT_EQ(g_variant_n_children(bytes), static_cast<gsize>(w * h * 4));
        g_variant_unref(bytes);
        sizes.push_back(w);
    }
    g_variant_unref(pixmaps);
    EXPECT_EQ(sizes, (std::vector<int>{22, 32, 48, 64}));
}

TEST_F(NotifierTest, PixelsGoAlphaRedGreenBlue) {
    wxImage image(2, 1);
    image.SetRGB(0, 0, 10, 20, 30);
    image.SetRGB(1, 0, 40, 50, 60);
    image.SetAlpha();
    image.SetAlpha(0, 0, 128);
    image.SetAlpha(1, 0, 0);
    const NotifierPixmap pixmap = NotifierPixels(image);
    EXPECT_EQ(pixmap.argb, (std::vector<std::uint8_t>{128, 10, 20, 30, 0, 40, 50, 60}));
}

TEST_F(NotifierTest, MenuShowsTheItemsAndMarksAndAClickRunsItsCommand) {
    TestWatcher watcher;
    StartOn(kManualSummer);
    const std::string item = Registered(watcher);
    EXPECT_EQ(bus.MenuLayout(item),
              "_Launch MicroProse's European Air War\n"
              "---\n"
              "Automatic Mode\n"
              "Use Proper Season Terrain\n"
              "---\n"
              "Load Spring Terrain\n"
              "Load Summer Terrain [check] [on]\n"
              "Load Autumn Terrain\n"
              "Load Winter Terrain\n"
              "---\n"
              "Use EAW Default Terrain/Skins\n"
              "Set Channel Front [radio] [on]\n"
              "---\n"
              "_Close\n"
              "---\n"
              "Co_nfigure\n"
              "  Harbinet...\n"
              "  Skins...\n"
              "  Terrain Sets...\n"
              "  External Applications...\n"
              "_About Harbinet...\n");

    bus.CountSignals("NewIcon");
    ASSERT_TRUE(bus.ClickMenuEntry(item, "Load Winter Terrain"));
    ASSERT_TRUE(RunEventsUntil([&] { return Terrain() == "Winter"; }));
    // The busy icon came and went.
    EXPECT_TRUE(RunEventsUntil([&] { return bus.signals["NewIcon"] >= 2; }));
    // The host is given the menu anew: the mark moved.
    EXPECT_NE(bus.MenuLayout(item).find("Load Winter Terrain [check] [on]\n"), std::string::npos);
}

TEST_F(NotifierTest, ActivateShowsThePanelAndSecondaryActivateRunsTheDefault) {
    TestWatcher watcher;
    ModalHook about;
    MainFrame& f = StartOn("[Harbinet]\nVersion=22\nMode=1\nTerrainSet=0\n");
    const std::string item = Registered(watcher);
    const auto click = [&](const char* method) {
        GVariant* reply = bus.Call(item, "/StatusNotifierItem", "org.kde.StatusNotifierItem",
                                   method, g_variant_new("(ii)", 400, 300));
        if (reply) g_variant_unref(reply);
    };
    click("Activate");
    ASSERT_TRUE(RunEventsUntil([&] { return f.IsShown(); }));
    // Its lower right corner at the click.
    EXPECT_EQ(f.GetRect(), wxRect(100, 122, 300, 178));
    click("SecondaryActivate");
    ASSERT_TRUE(RunEventsUntil([&] { return !about.shown.empty(); }));
    EXPECT_EQ(about.shown, std::vector<std::string>{"About Harbinet"});
}

TEST_F(NotifierTest, AWatcherThatAppearsLaterGetsTheItem) {
    StartOn(kManualSummer);
    TestWatcher late;
    const std::string item = Registered(late);
    EXPECT_EQ(Text(bus.ItemProperty(item, "Status")), "Active");
}

}  // namespace
}  // namespace harbinet::test
