#include <wx/utils.h>

#include "app/TrayClicks.h"
#include "careers/SetActiveCareerDialog.h"
#include "dialogs/AboutDialog.h"
#include "gui/FrameFixture.h"
#include "shell/Commands.h"

namespace harbinet {
namespace {

using test::FrameTest;
using test::RunEventsUntil;
using Click = TrayClickTracker::Click;

TEST(TrayClicks, TwoPressesWithinTheDoubleClickTimeAreADoubleClick) {
    TrayClickTracker clicks(400);
    // At the limit still counts; the press after a double click starts afresh; a clock that
    // went back never makes a double click of two distant presses.
    for (auto [at, click] : {std::pair{1000L, Click::Single},
                             {1400L, Click::Double},
                             {1500L, Click::Single},
                             {1501L, Click::Double},
                             {1902L, Click::Single},
                             {2303L, Click::Single},
                             {100L, Click::Single}})
        EXPECT_EQ(clicks.Press(at), click) << at;
}

constexpr const char* kAutomatic = "[Harbinet]\nVersion=22\nMode=1\nTerrainSet=0\n";
constexpr const char* kManual = "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n";

TEST_F(FrameTest, ClickInAutomaticModeShowsThePanelAtTheCursorThenHidesIt) {
    CMainFrame& f = Start(kAutomatic);
    ClickTray();
    const wxPoint cursor = wxGetMousePosition();
    EXPECT_TRUE(f.PanelDelayRunning());
    EXPECT_FALSE(f.IsShown());

    ASSERT_TRUE(RunEventsUntil([&] { return f.IsShown(); }));
    EXPECT_EQ(f.GetClientSize(), wxSize(300, 178));
    EXPECT_EQ(f.GetPosition(), wxPoint(cursor.x - 300, cursor.y - 178));
    EXPECT_FALSE(f.PanelDelayRunning());
    EXPECT_TRUE(f.PanelHideRunning());
    ASSERT_TRUE(RunEventsUntil([&] { return !f.IsShown(); }));
    EXPECT_FALSE(f.PanelHideRunning());
    EXPECT_TRUE(ErrorMessages().empty());
    EXPECT_TRUE(commands.empty());
}

TEST_F(FrameTest, ClickInManualModeDoesNothing) {
    CMainFrame& f = Start(kManual);
    // Hidden, findable by its title, and silent without a start-up sound.
    EXPECT_EQ(f.GetTitle(), "Harbinet");
    EXPECT_TRUE(game.desktop.sounds.empty());
    ClickTray();
    EXPECT_FALSE(f.PanelDelayRunning());
    test::FlushEvents();
    EXPECT_FALSE(f.IsShown());
    EXPECT_TRUE(commands.empty());
    EXPECT_TRUE(ErrorMessages().empty());
}

TEST_F(FrameTest, DoubleClickCancelsThePanelAndOpensAbout) {
    CMainFrame& f = Start(kAutomatic);
    ClickTray();
    ClickTray();
    EXPECT_FALSE(f.PanelDelayRunning());
    EXPECT_FALSE(f.IsShown());
    // The command runs after the mouse handler, as a posted one.
    EXPECT_TRUE(commands.empty());
    test::ModalAnswers answers(wxID_OK);
    ASSERT_TRUE(RunEventsUntil([&] { return !commands.empty(); }));
    EXPECT_EQ(commands, std::vector<int>{cmd::kAbout});
    EXPECT_EQ(answers.shown, std::vector<std::string>{"About Harbinet"});
}

TEST_F(FrameTest, ADialogAlreadyOpenIsBroughtForwardInsteadOfASecondCopy) {
    CMainFrame& f = Start(kManual);
    auto* open = new wxDialog(nullptr, wxID_ANY, "About Harbinet");
    open->Show();
    open->Iconize(true);
    test::ModalAnswers answers(wxID_OK);
    f.RunCommand(cmd::kAbout);
    EXPECT_TRUE(answers.shown.empty());
    EXPECT_FALSE(open->IsIconized());
    open->Destroy();
}

TEST_F(FrameTest, ChoosingTheActiveCareerRefreshesTheSeasonAndLaunchesWhenSoConfigured) {
    CMainFrame& f = Start("[Harbinet]\nVersion=22\nMode=1\nLaunchAfter=1\nRunner=runner\n");
    {
        test::ModalAnswers cancel(wxID_CANCEL);
        f.RunCommand(cmd::kSetActiveCareer);
        EXPECT_EQ(cancel.shown, std::vector<std::string>{"Set Active Career"});
        EXPECT_TRUE(game.desktop.spawned.empty());
    }
    test::ModalAnswers ok(wxID_OK);
    f.RunCommand(cmd::kSetActiveCareer);
    ASSERT_EQ(game.desktop.spawned.size(), 1u);
    EXPECT_EQ(game.desktop.spawned[0].argv.back(), game.Game() + "EAW.EXE");
}

TEST_F(FrameTest, DoubleClickInManualModeWithClickDefaultLaunchesTheGame) {
    Start("[Harbinet]\nVersion=22\nMode=0\nClickDefault=1\nRunner=runner\n");
    ClickTray();
    ClickTray();
    ASSERT_TRUE(RunEventsUntil([&] { return !commands.empty(); }));
    EXPECT_EQ(commands, std::vector<int>{cmd::kLaunchGame});
    EXPECT_EQ(game.desktop.spawned.size(), 1u);
}

TEST_F(FrameTest, LaunchItemsStartTheirApplication) {
    CMainFrame& f = Start(
        "[Harbinet]\nVersion=22\nMode=0\n[External]\nApp1Desc=Notes\nApp1EXE=notes.txt\n"
        "App25Desc=Map\nApp25EXE=../maps/map.png\n");
    f.RunCommand(cmd::kFirstExternalApp);  // the launching itself is the core's, tested there
    f.RunCommand(cmd::kLastExternalApp);
    EXPECT_EQ(game.desktop.opened,
              (std::vector<std::string>{game.Own() + "notes.txt", game.Game() + "maps/map.png"}));
}

TEST_F(FrameTest, RightPressBuildsTheMenuFromTheSettingsFile) {
    CMainFrame& f = Start(kManual);
    std::vector<int> ids;
    f.SetMenuPresenter([&](wxMenu& menu) {
        for (wxMenuItem* item : menu.GetMenuItems()) ids.push_back(item->GetId());
    });
    Tray(wxEVT_TASKBAR_RIGHT_DOWN);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), cmd::kFirstTerrainSet + 6), 0);
    // Built anew each time: a terrain set added meanwhile is in the next menu.
    test::WriteFile(
        game.Settings(),
        "[Harbinet]\nVersion=22\nMode=0\nTerrainSet=0\n[TerrainSets]\nTerrain7=Pacific\n");
    Tray(wxEVT_TASKBAR_RIGHT_DOWN);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), cmd::kFirstTerrainSet + 6), 1);
}

TEST_F(FrameTest, BusyIconAndTooltipWhileTerrainChanges) {
    CMainFrame& f = Start(
        "[Harbinet]\nVersion=22\nMode=1\nTerrainSet=2\nTerrain=2\n[TerrainSets]\nTerrain2=Channel "
        "Front\n");
    TrayIcon& tray = *f.Tray();
    EXPECT_EQ(tray.IconId(), 166);
    EXPECT_EQ(tray.Tooltip(), "Harbinet - Automatic Mode, Summer Terrain (Channel Front)");
    f.UpdateTrayIcon(true);
    EXPECT_EQ(tray.IconId(), 173);
    EXPECT_EQ(tray.Tooltip(), "Harbinet - Loading Terrain/Skins...");
    f.State().Terrain = 4;  // the state is read again when the work is done
    f.UpdateTrayIcon(false);
    EXPECT_EQ(tray.IconId(), 166);
    EXPECT_NE(tray.Tooltip().find("Winter"), std::string::npos);
}

TEST_F(FrameTest, RemovedIconStaysAwayUntilAddedAgain) {
    CMainFrame& f = Start(kManual);
    f.RunCommand(cmd::kRemoveTrayIcon);
    EXPECT_FALSE(f.Tray()->Shown());
    f.UpdateTrayIcon(true);
    f.UpdateTrayIcon(false);
    EXPECT_FALSE(f.Tray()->Shown());
    f.RunCommand(cmd::kAddTrayIcon);
    EXPECT_TRUE(f.Tray()->Shown());
    EXPECT_EQ(f.Tray()->Tooltip(), "Harbinet - Manual Mode, EAW Default Terrain");
    // Without a notification area the user is told once.
    int told = 0;
    for (const auto& m : game.ui.messages)
        if (m.rfind("info Harbinet: This desktop has no notification area", 0) == 0) ++told;
    EXPECT_EQ(told, wxTaskBarIcon::IsAvailable() ? 0 : 1);
    EXPECT_TRUE(ErrorMessages().empty());
}

// What the modes do is the core's; here that the commands reach it and the tooltip follows.
TEST_F(FrameTest, ModeCommandsReachTheCoreAndCloseStopsTheTimerRemovesTheIconAndEnds) {
    CMainFrame& f = Start(kAutomatic);
    f.RunCommand(cmd::kManualMode);
    EXPECT_FALSE(f.SeasonTimerRunning());
    EXPECT_EQ(f.Tray()->Tooltip(), "Harbinet - Manual Mode, EAW Default Terrain");
    f.RunCommand(cmd::kAutomaticMode);
    ASSERT_TRUE(f.SeasonTimerRunning());
    EXPECT_EQ(f.Tray()->Tooltip(), "Harbinet - Automatic Mode, EAW Default Terrain");

    const std::string settings = test::ReadFile(game.Settings());
    f.RunCommand(cmd::kClose);
    EXPECT_FALSE(f.SeasonTimerRunning());
    EXPECT_FALSE(f.Tray()->Shown());
    EXPECT_TRUE(wxTheApp->IsScheduledForDestruction(&f));
    ASSERT_TRUE(RunEventsUntil([&] { return CMainFrame::Current() == nullptr; }));
    frame = nullptr;
    // Nothing is written at exit.
    EXPECT_EQ(test::ReadFile(game.Settings()), settings);
}

TEST_F(FrameTest, SeasonTimerPeriodsOutsideWhatATimerTakesAreBroughtIntoRange) {
    CMainFrame& f = Start(kManual);
    ASSERT_TRUE(f.StartSeasonTimer(30000));
    EXPECT_EQ(f.SeasonTimerInterval(), 30000);
    // "Timer" 0, or so large that its milliseconds wrapped to 0, must not spin.
    ASSERT_TRUE(f.StartSeasonTimer(0));
    EXPECT_EQ(f.SeasonTimerInterval(), 10);
    ASSERT_TRUE(f.StartSeasonTimer(0xFFFFFFF0u));
    EXPECT_EQ(f.SeasonTimerInterval(), 0x7FFFFFFF);
}

TEST_F(FrameTest, StartUpSoundPlaysOnceWhenPresent) {
    const std::string sound = test::WriteFile(game.Own() + "harbinet.wav", "RIFF");
    Start(kManual);
    EXPECT_EQ(game.desktop.sounds, std::vector<std::string>{sound});
}

}  // namespace
}  // namespace harbinet
