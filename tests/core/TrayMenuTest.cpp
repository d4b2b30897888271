// The tray icon's menu and tooltip, and where the information panel opens.
#include "program/TrayMenu.h"

#include <gtest/gtest.h>

#include <sstream>
#include <utility>

#include "program/PanelPlacement.h"
#include "support/GameFolder.h"

namespace harbinet::test {
namespace {

// Three of the installed applications and sets, a gap up to slot and set 25, an empty set and
// one beyond the 25th.
const char* const kSettings =
    "[TerrainSets]\r\nTerrain1=Channel Front\r\nSeasons1=1\r\nTerrain2=Mediterranean\r\n"
    "Terrain3=Pacific\r\nTerrain4=\r\nTerrain25=Last\r\nTerrain26=Beyond the last\r\n"
    "[External]\r\nApp1Desc=Orlen's ECA Control Panel\r\nApp2Desc=Brask's EAW Control\r\n"
    "App3Desc=Tavish's EAW OnLine Manager\r\nApp4Desc=\r\nApp25Desc=Last tool\r\n";

class TrayMenuTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteFile(g.Settings(), kSettings); }
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();
};

// Lines the menu must show, "|" between them, and ("-" before them) items it must not have.
TEST_F(TrayMenuTest, EachModeOffersItsItemsAndMarksTheActiveOnes) {
    // The mode, set, ClickDefault and CopySkins, and the lines.
    const std::tuple<OperatingMode, int, bool, bool, const char*> cases[] = {
        {OperatingMode::Manual, 1, false, true,
         "108\t&Launch MicroProse's European Air War|114\tAutomatic Mode|117\tUse Proper Season "
         "Terrain|111\tLoad Summer Terrain [checked]|113\tLoad Winter Terrain|139\tSkins for "
         "Channel Front...|250\tSet Channel Front [radio]|107\t&About Harbinet... [default]|-129"},
        {OperatingMode::Automatic, 2, true, false,
         "108\t&Launch MicroProse's European Air War [default]|>\tLaunch\n  225\tOrlen's ECA "
         "Control Panel|  249\tLast tool|115\tManual Mode|129\tSet Active Career...|251\tSet "
         "Mediterranean [radio]|274\tSet Last|107\t&About Harbinet...|-  228|-253|-275|-111|-139"},
        {OperatingMode::Manual, 0, false, true,
         "109\tUse EAW Default Terrain/Skins [radio]|-111|-139"},
    };
    for (const auto& [mode, set, clickDefault, copySkins, expected] : cases) {
        ASSERT_TRUE(
            state->settings.Write({settings::OfMode(mode), settings::Of(settings::kTerrainSet, set),
                                   settings::OfSeason(Season::Summer),
                                   settings::Of(settings::kClickDefault, clickDefault),
                                   settings::Of(settings::kCopySkins, copySkins)}));
        const std::string menu = "\n" + MenuText(BuildTrayMenu(*state));
        std::istringstream lines(expected);
        for (std::string line; std::getline(lines, line, '|');) {
            if (line[0] == '-')
                EXPECT_EQ(menu.find("\n" + line.substr(1) + "\t"), std::string::npos)
                    << line << menu;
            else
                EXPECT_NE(menu.find("\n" + line + "\n"), std::string::npos) << line << menu;
        }
    }
}

TEST_F(TrayMenuTest, TooltipNamesModeSeasonAndSet) {
    WriteFile(g.Settings(),
              "[TerrainSets]\r\nTerrain1=Channel Front\r\n"
              "Terrain6=Battle of Britain, Summer 1940 edition\r\n"
              "Terrain7=C\u00F4te d\u2019Azur et Provence, \u00E9t\u00E9s 1943\u201344\r\n");
    const auto automatic = OperatingMode::Automatic, manual = OperatingMode::Manual;
    const std::tuple<OperatingMode, int, int, const char*> cases[] = {
        {automatic, 1, 2, "Automatic Mode, Summer Terrain (Channel Front)"},
        {manual, 0, 4, "Manual Mode, EAW Default Terrain"},
        {automatic, 1, 5, "Automatic Mode (Channel Front)"},  // no season recorded
        // The set name is cut to 29 characters, the whole text is not (73 > 63)...
        {automatic, 6, 4, "Automatic Mode, Winter Terrain (Battle of Britain, Summer 194)"},
        // ... and never in the middle of a character.
        {manual, 7, 1,
         "Manual Mode, Spring Terrain (C\u00F4te d\u2019Azur et Provence, \u00E9t\u00E9s)"},
    };
    for (const auto& [mode, set, terrain, tip] : cases) {
        ASSERT_TRUE(state->settings.SetMode(mode));
        ASSERT_TRUE(state->settings.Set(settings::kTerrainSet, set));
        ASSERT_TRUE(state->settings.Set(settings::kTerrain, terrain));
        EXPECT_EQ(TrayTooltip(*state, false), std::string("Harbinet - ") + tip);
        EXPECT_EQ(TrayTooltip(*state, true), "Harbinet - Loading Terrain/Skins...");
    }
}

// While a long change runs, the busy tooltip says what it installs and how far it has come: by
// bytes when it copies any, else by files. A terminal's line says it in numbers too.
TEST_F(TrayMenuTest, TheBusyTooltipTellsWhatAChangeInstallsAndHowFar) {
    const struct {
        const char* what;
        std::uint64_t files, bytes;  // done of 120 files, of 256 bytes (0: none copied)
        const char* tip;
    } cases[] = {
        {"season winter", 45, 110, "Installing Winter Terrain... 42%"},
        {"season default", 30, 0, "Installing Default Terrain... 25%"},
        {"set 1", 120, 256, "Installing Terrain Set Channel Front... 100%"},
        {"set 25", 0, 1, "Installing Terrain Set Last... 0%"},
        {"set 01", 60, 0, "Changing Files... 50%"},
        {"set 26", 60, 0, "Changing Files... 50%"},
        {"skins 3", 60, 0, "Changing Files... 50%"},
        {"upgrade", 60, 0, "Changing Files... 50%"},
    };
    for (const auto& c : cases) {
        const ChangeProgress progress{c.what, c.files, 120, c.bytes, c.bytes ? 256u : 0u};
        EXPECT_EQ(ProgressTooltip(*state, progress), c.tip) << c.what;
    }
    const ChangeProgress winter{"season winter", 45, 120, 110u << 20, 256u << 20};
    EXPECT_EQ(ProgressLine(*state, winter),
              "Installing Winter Terrain: 45/120 files, 110 of 256 MiB, 42%");
}

TEST(PanelPlacement, ThePanelOpensAboveLeftOfTheCursorOrTheNearestPlaceInsideTheWorkArea) {
    constexpr int w = 300, h = 178;
    const ScreenRect screen{0, 0, 1280, 1024};
    // Where the tray is, the cursor, the work area, where the panel opens.
    const std::tuple<const char*, ScreenPoint, ScreenRect, ScreenPoint> cases[] = {
        {"none, room everywhere", {640, 512}, screen, {340, 334}},
        {"top, a 24-pixel panel", {1200, 10}, {0, 24, 1280, 1000}, {900, 24}},
        {"bottom", {1200, 1015}, {0, 0, 1280, 1000}, {900, 822}},
        {"top-left corner", {3, 3}, screen, {3, 3}},
        {"top of a second monitor", {1290, 5}, {1280, 0, 1920, 1080}, {1290, 5}},
        {"a work area smaller than the panel", {50, 50}, {0, 0, 200, 100}, {0, 0}},
    };
    for (const auto& [tray, cursor, area, expected] : cases) {
        const ScreenPoint at = PanelPosition(cursor, w, h, area);
        EXPECT_EQ(std::pair(at.x, at.y), std::pair(expected.x, expected.y)) << tray;
    }
}

}  // namespace
}  // namespace harbinet::test
