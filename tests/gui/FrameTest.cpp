// The main frame: the tray icon's clicks and menu, the season timer, Set Active Career; and the
// splash shown at start-up.
#include <filesystem>

#include "gui/GuiSupport.h"
#include "gui/app/SplashWindow.h"
#include "gui/dialogs/SetActiveCareerDialog.h"
#include "gui/widgets/StaticEx.h"

namespace harbinet::test {
namespace {

constexpr const char* kAutomatic = "[Harbinet]\nVersion=22\nMode=1\nTerrainSet=0\n";

TEST(TrayClicks, TwoPressesWithinTheDoubleClickTimeAreADoubleClick) {
    using enum TrayClickTracker::Click;
    TrayClickTracker clicks(400);
    // The press after a double click starts afresh; a clock gone back makes no double click.
    for (auto [at, click] : {std::pair{1000L, Single},
                             {1400L, Double},
                             {1500L, Single},
                             {1902L, Single},
                             {100L, Single}})
        EXPECT_EQ(clicks.Press(at), click) << at;
}

TEST_F(FrameTest, ClickInAutomaticModeShowsThePanelAfterItsDelayThenHidesIt) {
    MainFrame& f = Start(kAutomatic);
    // A tray in the screen's top-left corner: the panel opens below and right of the cursor.
    wxUIActionSimulator().MouseMove(5, 5);
    ASSERT_TRUE(RunEventsUntil([] { return wxGetMousePosition() == wxPoint(5, 5); }));
    Tray(wxEVT_TASKBAR_LEFT_DOWN);
    EXPECT_FALSE(f.IsShown());
    ASSERT_TRUE(RunEventsUntil([&] { return f.IsShown(); }));
    EXPECT_EQ(f.GetRect(), wxRect(5, 5, 300, 178));
    ASSERT_TRUE(RunEventsUntil([&] { return !f.IsShown(); }));
}

TEST_F(FrameTest, DoubleClickOpensAboutOrWithClickDefaultLaunchesTheGame) {
    ModalHook about;
    // GTK reports each click as a press and a double-click event.
    auto doubleClick = [&] {
        for (wxEventType type : {wxEVT_TASKBAR_LEFT_DOWN, wxEVT_TASKBAR_LEFT_DCLICK,
                                 wxEVT_TASKBAR_LEFT_DOWN, wxEVT_TASKBAR_LEFT_DCLICK})
            Tray(type);
    };
    Start(kAutomatic);
    doubleClick();
    ASSERT_TRUE(RunEventsUntil([&] { return !about.shown.empty(); }));
    EXPECT_EQ(about.shown, std::vector<std::string>{"About Harbinet"});

    frame->Destroy();
    Start("[Harbinet]\nVersion=22\nMode=0\nClickDefault=1\nRunner=runner\n");
    doubleClick();
    ASSERT_TRUE(RunEventsUntil([&] { return !game.desktop.spawned.empty(); }));
    EXPECT_EQ(game.desktop.spawned[0].argv.back(), game.Game() + "EAW.EXE");
    EXPECT_EQ(about.shown.size(), 1u);
}

// "Set Channel Front" cannot write the game's EAW.INI; "Set Med", chosen from the tray while that
// error is shown, runs once the first set is in place, and takes its common file away again.
TEST_F(FrameTest, ATerrainSetChosenDuringAnErrorOfAChangeRunsAfterIt) {
    for (const char* file : {"Terrain/Channel Front/Summer/MAP.TER", "Common/Channel Front/CF.CMN",
                             "Terrain/Med/MAP.TER", "Common/Med/MED.CMN"})
        WriteFile(game.Own() + file, file);
    Start(
        "[Harbinet]\nVersion=22\nMode=0\nTerrain=2\nTerrainSet=0\nSavedObjectDetail=2\n"
        "TerrainFiles=*.TER\nCommonFiles=*.CMN\n[TerrainSets]\nTerrain1=Channel Front\n"
        "Seasons1=1\nObjectsLow1=1\nTerrain2=Med\n",
        true);
    std::filesystem::permissions(game.Game() + "EAW.INI", std::filesystem::perms::owner_write,
                                 std::filesystem::perm_options::remove);
    ModalHook error([&](wxDialog& box) {
        ChooseFromTrayMenu(*frame, cmd::TerrainSet(2));
        FlushEvents();
        EXPECT_EQ(game.Setting("Harbinet", "TerrainSet"), "1") << "Med waits";
        ClickOn(box.FindWindow(wxID_OK));
        EXPECT_TRUE(RunEventsUntil([&] { return !box.IsShown(); }));
    });
    frame->RunCommand(cmd::TerrainSet(1));
    EXPECT_TRUE(RunEventsUntil([&] { return Terrain() == "Terrain/Med/MAP.TER"; }));
    EXPECT_EQ(ListFolder(game.Game()), "EAW.EXE EAW.INI Harbinet/ MAP.TER MED.CMN");
    EXPECT_EQ(error.shown, std::vector<std::string>{"Harbinet Error"});
}

TEST_F(FrameTest, SeasonTimerInstallsTheSeasonOfANewlyWrittenCareer) {
    game.AddCareer("JULY.SVE", {.monthIndex = 6});
    StartSeasonal("1");
    EXPECT_EQ(Terrain(), "Summer");  // checked at start-up
    const std::string december = game.AddCareer("DECEMBER.SVE", {.monthIndex = 11});
    ASSERT_TRUE(SetWriteTime(december, 4102444800));  // 2100, surely newest
    ASSERT_TRUE(RunEventsUntil([&] { return Terrain() == "Winter"; }));
}

TEST_F(FrameTest, ChoosingACareerStampsItAndInstallsItsSeason) {
    const std::string july = game.AddCareer("A.SVE", {.monthIndex = 6});
    const std::string december = game.AddCareer("B.SVE", {.monthIndex = 11});
    ASSERT_TRUE(SetWriteTime(july, 1'000'000'000) && SetWriteTime(december, 1'000'000'001));
    StartSeasonal("0");
    ModalHook choose(
        [](wxDialog& d) { SendMouse(static_cast<SetActiveCareerDialog&>(d).Line(0)); });
    frame->RunCommand(cmd::kSetActiveCareer);
    EXPECT_GT(std::filesystem::last_write_time(july), std::filesystem::last_write_time(december));
    EXPECT_EQ(Terrain(), "Summer");
}

// A key or button press hides it and is kept from the program; otherwise it goes by its timer.
TEST(Splash, GoesAtAKeyOrButtonPressWhichItKeepsElseByItsTimer) {
    wxFrame* owner = new wxFrame(nullptr, wxID_ANY, "hidden owner");
    SplashWindow::EnableSplash(true);
    // Shows the splash and passes it the event; true when the event was kept and it is gone.
    const auto hiddenBy = [&](const wxEvent& event) {
        SplashWindow::ShowSplash(owner);
        EXPECT_NE(SplashWindow::Current(), nullptr);
        return SplashWindow::HideOnKeyOrClick(event) && !SplashWindow::Current();
    };
    EXPECT_TRUE(hiddenBy(wxKeyEvent(wxEVT_KEY_DOWN)));
    EXPECT_TRUE(hiddenBy(wxMouseEvent(wxEVT_LEFT_DOWN)));
    EXPECT_TRUE(hiddenBy(wxMouseEvent(wxEVT_RIGHT_DOWN)));
    EXPECT_FALSE(hiddenBy(wxMouseEvent(wxEVT_MOTION)));
    EXPECT_TRUE(RunEventsUntil([] { return SplashWindow::Current() == nullptr; }));
    SplashWindow::EnableSplash(false);
    owner->Destroy();
    FlushEvents();
}

}  // namespace
}  // namespace harbinet::test
