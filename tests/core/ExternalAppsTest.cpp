#include "extapps/ExternalApps.h"

#include <gtest/gtest.h>

#include "platform/Profile.h"
#include "support/GameFolder.h"

namespace harbinet {
namespace {

using Argv = std::vector<std::string>;

TEST(ResolveAppPath, KeepsTheThreeFormsOfStoredPaths) {
    test::GameFolder game;
    auto state = game.MakeState();
    const std::string g = game.Game(), o = game.Own();
    // Relative to the game folder; only the one leading prefix is replaced.
    EXPECT_EQ(ResolveAppPath(*state, "../TOOLS/X.EXE"), g + "TOOLS/X.EXE");
    // A value written on Windows gets our separators, so that it names a file here.
    EXPECT_EQ(ResolveAppPath(*state, "..\\TOOLS\\X.EXE"), g + "TOOLS/X.EXE");
    EXPECT_EQ(ResolveAppPath(*state, "..\\..\\X.EXE"), g + "../X.EXE");
    EXPECT_EQ(ResolveAppPath(*state, "../../X.EXE"), g + "../X.EXE");
    // Absolute paths stand as they are.
    EXPECT_EQ(ResolveAppPath(*state, "/opt/util/Panel.EXE"), "/opt/util/Panel.EXE");
    EXPECT_EQ(ResolveAppPath(*state, "D:\\Util\\Panel.EXE"), "D:\\Util\\Panel.EXE");
    // Everything else belongs to the program's folder.
    EXPECT_EQ(ResolveAppPath(*state, "Panel.exe"), o + "Panel.exe");
    EXPECT_EQ(ResolveAppPath(*state, "\\\\server\\share\\X.EXE"), o + "\\\\server\\share\\X.EXE");
    EXPECT_EQ(ResolveAppPath(*state, "\\X.EXE"), o + "\\X.EXE");
    EXPECT_EQ(ResolveAppPath(*state, ".."), o + "..");
    EXPECT_EQ(ResolveAppPath(*state, "..X.EXE"), o + "..X.EXE");
    EXPECT_EQ(ResolveAppPath(*state, "D:/X.EXE"), o + "D:/X.EXE");
    EXPECT_EQ(ResolveAppPath(*state, ""), o);
}

TEST(ResolveAppPath, SplitsFolderAndExtensionAtTheLastSeparatorAndDot) {
    EXPECT_EQ(FolderOfPath("/g/TOOLS/X.EXE"), "/g/TOOLS/");
    EXPECT_EQ(FolderOfPath("D:\\Util\\Panel.EXE"), "D:\\Util\\");
    EXPECT_EQ(FolderOfPath("X.EXE"), "");
    EXPECT_EQ(ExtensionOfPath("/g/a.b/README"), "");
    EXPECT_EQ(ExtensionOfPath("/g/x.tar.gz"), ".gz");
    EXPECT_EQ(ExtensionOfPath("C:\\Tools\\X.EXE -fast"), ".EXE -fast");
}

class LaunchExternalAppTest : public ::testing::Test {
  protected:
    void Store(unsigned slot, const std::string& value) {
        ASSERT_TRUE(profile::WriteString(game.Settings(), "External",
                                         "App" + std::to_string(slot) + "EXE", value));
    }
    test::GameFolder game;
    std::unique_ptr<FrameState> state = game.MakeState();
};

TEST_F(LaunchExternalAppTest, ExecutablesStartInTheirOwnFolderWithoutACommandLine) {
    Store(1, "../TOOLS/X.EXE");
    Store(2, "Panel.Exe");
    Store(25, "/opt/util/panel.exe");
    LaunchExternalApp(*state, 225);
    LaunchExternalApp(*state, 226);
    LaunchExternalApp(*state, 249);
    ASSERT_EQ(game.desktop.spawned.size(), 3u);
    EXPECT_EQ(game.desktop.spawned[0].argv, Argv{game.Game() + "TOOLS/X.EXE"});
    EXPECT_EQ(game.desktop.spawned[0].workingFolder, game.Game() + "TOOLS/");
    EXPECT_EQ(game.desktop.spawned[1].argv, Argv{game.Own() + "Panel.Exe"});
    EXPECT_EQ(game.desktop.spawned[1].workingFolder, game.Own());
    EXPECT_EQ(game.desktop.spawned[2].workingFolder, "/opt/util/");
    EXPECT_TRUE(game.desktop.opened.empty());
}

TEST_F(LaunchExternalAppTest, EverythingElseGoesToTheOpenHandlerSilently) {
    Store(3, "README.TXT");
    Store(4, "../setup.bat");
    Store(5, "/opt/Tools/X.EXE -fast");
    Store(6, "/opt/Tools/X.EXE.txt");
    for (int command : {227, 228, 229, 230, 231}) LaunchExternalApp(*state, command);
    EXPECT_EQ(game.desktop.opened,
              (Argv{game.Own() + "README.TXT", game.Game() + "setup.bat", "/opt/Tools/X.EXE -fast",
                    "/opt/Tools/X.EXE.txt", game.Own()}));  // slot 7 is empty: the own folder
    EXPECT_TRUE(game.desktop.spawned.empty());
    EXPECT_TRUE(game.ui.messages.empty());
}

TEST_F(LaunchExternalAppTest, AFailedStartIsReportedWithTheResolvedPath) {
    Store(9, "Missing.exe");
    game.desktop.spawnWorks = false;
    LaunchExternalApp(*state, 233);
    EXPECT_EQ(game.ui.messages,
              Argv{"error Harbinet Error: Unable to launch " + game.Own() + "Missing.exe"});
}

TEST_F(LaunchExternalAppTest, CommandsOutsideTheSlotsDoNothing) {
    Store(1, "X.EXE");
    LaunchExternalApp(*state, 224);
    LaunchExternalApp(*state, 250);
    EXPECT_TRUE(game.desktop.spawned.empty());
    EXPECT_TRUE(game.desktop.opened.empty());
}

}  // namespace
}  // namespace harbinet
