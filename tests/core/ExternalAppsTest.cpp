// The external applications list and the options of the Configure dialog, with the start at
// login they control.
#include <gtest/gtest.h>

#include <filesystem>

#include "install/Autostart.h"
#include "launch/ExternalAppList.h"
#include "program/Configuration.h"
#include "support/GameFolder.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

class ExternalAppsTest : public ::testing::Test {
  protected:
    GameFolder game;
    std::unique_ptr<ProgramState> state = game.MakeState();

    std::string Slots() const {
        std::string out;
        for (const auto& app : ListExternalApps(state->Settings()))
            out += std::to_string(app.slot) + "=" + app.description + "|" + app.executable + ";";
        return out;
    }
};

TEST_F(ExternalAppsTest, AddFillsTheLowestFreeSlotModifyKeepsItDeleteEmptiesBothKeys) {
    WriteFile(game.Settings(),
              "[External]\nApp1Desc=A\nApp1EXE=a\nApp2Desc=B\nApp2EXE=b\n"
              "App3Desc=\nApp3EXE=stale\nApp4Desc=D\nApp4EXE=d\n");
    EXPECT_EQ(AddExternalApp(*state, "C", "c"), 3u);
    EXPECT_TRUE(DeleteExternalApp(*state, 2));
    EXPECT_TRUE(ModifyExternalApp(*state, 4, "D2", "d2"));
    EXPECT_EQ(Slots(), "1=A|a;3=C|c;4=D2|d2;");
    EXPECT_EQ(AddExternalApp(*state, "B2", "b2"), 2u);
    EXPECT_NE(ReadFile(game.Settings()).find("App3Desc=C\nApp3EXE=c\n"), std::string::npos);

    EXPECT_TRUE(DeleteExternalApp(*state, 2));
    EXPECT_NE(ReadFile(game.Settings()).find("App2Desc=\nApp2EXE=\n"), std::string::npos);
    for (unsigned n = 2; n <= 25; ++n) AddExternalApp(*state, "X", "x");
    EXPECT_EQ(LowestFreeAppSlot(state->Settings()), 0u);
    EXPECT_EQ(AddExternalApp(*state, "Y", "y"), 0u) << "25 slots";
    EXPECT_EQ(game.ui.messages, std::vector<std::string>{});
}

// The executable is looked for where the launcher will start it, not in the current folder.
TEST_F(ExternalAppsTest, ExecutableIsFoundWhereItWillBeLaunched) {
    WriteFile(game.Own() + "Panel.exe", "MZ");
    WriteFile(game.Game() + "TOOLS/X.EXE", "MZ");
    const std::string sixty(60, 'd'), accented = std::string(60, 'a') + "\xC3\xA9";
    const struct {
        std::string description, executable;
        AppEntryCheck check;
    } cases[] = {
        {"Panel", "Panel.exe", AppEntryCheck::Accepted},
        {"Panel", "panel.exe", AppEntryCheck::NotFound},
        {"Tools", "..\\TOOLS\\X.EXE", AppEntryCheck::Accepted},
        {"Tools", "../TOOLS/X.EXE", AppEntryCheck::Accepted},
        {"Tools", "..\\TOOLS", AppEntryCheck::Accepted},  // a folder
        {"Tools", game.Game() + "TOOLS/X.EXE", AppEntryCheck::Accepted},
        {"Tools", "TOOLS/X.EXE", AppEntryCheck::NotFound},
        {"", "Panel.exe", AppEntryCheck::EmptyField},
        {"Panel", "", AppEntryCheck::EmptyField},
        {sixty, "Panel.exe", AppEntryCheck::Accepted},
        {sixty + "d", "Panel.exe", AppEntryCheck::TooLong},
        {accented.substr(1), "Panel.exe", AppEntryCheck::Accepted},
        {"Panel", std::string(256, 'p'), AppEntryCheck::TooLong},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CheckExternalApp(*state, c.description, c.executable), c.check)
            << c.description << " " << c.executable;
}

TEST(Configuration, PatternListsAreCheckedTerrainSkinsCommonInThatOrder) {
    const struct {
        const char *terrain, *skins, *common, *refused;
    } cases[] = {
        {"*.TER,GRAS*.TPC", "P*.TPC,*.3DZ", "", nullptr},
        {" , ,*.TER", "P*.TPC", "*.INI", nullptr},
        {"*.TER,", "", "*.INI,", "Terrain"},
        {"", "P*.TPC", "", "Terrain"},
        {"*.TER", "P*.TPC,", "*.INI,", "Skins"},
        {"*.TER", "", "", "Skins"},
        {"*.TER", "P*.TPC", "*.INI,", "Common"},
    };
    for (const auto& c : cases) {
        Configuration options;
        options.terrainFiles = c.terrain;
        options.skinFiles = c.skins;
        options.commonFiles = c.common;
        const auto refused = RefusedPatternList(options);
        EXPECT_EQ(refused.value_or("none"), c.refused ? c.refused : "none") << c.terrain;
    }
}

TEST_F(ExternalAppsTest, ConfigurationIsStoredAndTheStartAtLoginFollowsIt) {
    UserHome home;
    WriteFile(game.Settings(), "[Harbinet]\nSavedObjectDetail=7\nTerrainFiles=*.TER\n");
    Configuration options = ReadConfiguration(*state);
    EXPECT_FALSE(options.objectDetail) << "no radio button stands for 7";
    options.clickDefault = options.loadOnStart = options.launchAfter = true;
    options.commonFiles = "*.INI";
    EXPECT_TRUE(ApplyConfiguration(*state, options));
    const std::string entry = home.Config() + "autostart/harbinet.desktop";
    EXPECT_EQ(AutostartEntryPath(), entry);
    EXPECT_EQ(ReadFile(entry),
              "[Desktop Entry]\nType=Application\nVersion=1.0\nName=Harbinet\n"
              "Exec=\"" +
                  game.Own() + "harbinet\"\nPath=" + game.Own() + "\nIcon=" + game.Own() +
                  "harbinet.png\nTerminal=false\n");
    EXPECT_EQ(ReadFile(game.Settings()),
              "[Harbinet]\nSavedObjectDetail=7\nTerrainFiles=*.TER\nClickDefault=1\n"
              "LoadOnStart=1\nCopySkins=0\nLaunchAfter=1\nSkinFiles=\nCommonFiles=*.INI\n");
    EXPECT_TRUE(state->ClickDefault && state->LoadOnStart && state->LaunchAfter);

    // A start at login that cannot be removed keeps "LoadOnStart", in the file and the state.
    options = ReadConfiguration(*state);
    options.loadOnStart = options.clickDefault = false;
    options.objectDetail = 0;
    ASSERT_TRUE(std::filesystem::remove(entry));
    WriteFile(entry + "/blocker", "");
    EXPECT_FALSE(ApplyConfiguration(*state, options));
    EXPECT_EQ(game.ui.messages.size(), 1u);
    EXPECT_TRUE(state->LoadOnStart);
    EXPECT_FALSE(state->ClickDefault);
    EXPECT_EQ(ReadConfiguration(*state).objectDetail, 0u);
    EXPECT_NE(ReadFile(game.Settings()).find("ClickDefault=0\nLoadOnStart=1\n"), std::string::npos);

    ASSERT_TRUE(std::filesystem::remove_all(entry));
    EXPECT_TRUE(ApplyConfiguration(*state, options));
    EXPECT_FALSE(state->LoadOnStart);
    EXPECT_EQ(ListFolder(home.Config() + "autostart/"), "");
    EXPECT_TRUE(ApplyConfiguration(*state, options)) << "no entry to remove is no failure";
}

}  // namespace
}  // namespace harbinet::test
