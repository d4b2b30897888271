#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "platform/UserFolders.h"
#include "shell/DesktopShortcut.h"
#include "support/GameFolder.h"
#include "support/UserHome.h"

namespace harbinet {
namespace {

using test::Exists;
using test::ReadFile;
using test::WriteFile;

unsigned Mode(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return 0;
    return st.st_mode & 07777;
}

class DesktopShortcutTest : public ::testing::Test {
  protected:
    test::UserHome home;
    test::GameFolder game;
    std::unique_ptr<FrameState> state = game.MakeState();

    int Create(const std::string& name, bool makeFolder = false) {
        return CreateDesktopShortcut(*state, state->ExecutablePath, "", name, state->OwnFolder,
                                     makeFolder);
    }
};

TEST_F(DesktopShortcutTest, EntryOnTheHomeDesktopStartsTheProgramInItsFolder) {
    ASSERT_FALSE(Exists(home.Desktop()));
    EXPECT_EQ(Create(kShortcutName), 0);

    const std::string entry = home.Desktop() + "Harbinet 2.2b.desktop";
    EXPECT_EQ(test::ListFolder(home.Desktop()), "Harbinet 2.2b.desktop");
    EXPECT_EQ(ReadFile(entry),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Version=1.0\n"
              "Name=Harbinet 2.2b\n"
              "Exec=\"" +
                  game.Own() +
                  "harbinet\"\n"
                  "Path=" +
                  game.Own() +
                  "\n"
                  "Icon=" +
                  game.Own() +
                  "harbinet.png\n"
                  "Terminal=false\n");
    EXPECT_EQ(Mode(entry), 0755u);
}

TEST_F(DesktopShortcutTest, SecondCallReplacesTheEntryAndMakesItExecutable) {
    const std::string entry = WriteFile(home.Desktop() + "Harbinet 2.2b.desktop", "stale");
    ::chmod(entry.c_str(), 0600);
    EXPECT_EQ(Create(kShortcutName), 0);
    EXPECT_NE(ReadFile(entry).find("Name=Harbinet 2.2b\n"), std::string::npos);
    EXPECT_EQ(Mode(entry), 0755u);

    EXPECT_EQ(CreateDesktopShortcut(*state, "/other/prog", "", kShortcutName, "/other/", false), 0);
    EXPECT_NE(ReadFile(entry).find("Exec=\"/other/prog\"\n"), std::string::npos);
    EXPECT_EQ(test::ListFolder(home.Desktop()), "Harbinet 2.2b.desktop");
}

TEST_F(DesktopShortcutTest, NameWithTheExtensionInAnyCaseGetsNoSecondOne) {
    EXPECT_EQ(Create("Launcher.DESKTOP"), 0);
    EXPECT_EQ(Create("Mixed.Desktop.old"), 0);
    EXPECT_EQ(test::ListFolder(home.Desktop()), "Launcher.DESKTOP Mixed.Desktop.old");
    EXPECT_NE(ReadFile(home.Desktop() + "Launcher.DESKTOP").find("Name=Launcher\n"),
              std::string::npos);
}

TEST_F(DesktopShortcutTest, XdgDesktopFolderIsUsedAndCreated) {
    WriteFile(home.Config() + "user-dirs.dirs",
              "# written by xdg-user-dirs-update\n"
              "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
              "XDG_DESKTOP_DIR=\"$HOME/Schreib tisch\"\n");
    EXPECT_EQ(Create(kShortcutName), 0);
    EXPECT_TRUE(Exists(home.Home() + "Schreib tisch/Harbinet 2.2b.desktop"));
    EXPECT_FALSE(Exists(home.Desktop()));
}

TEST(DesktopFolder, UserDirsAreReadAsTheShellWould) {
    const std::string home = "/home/pilot/";
    using files::DesktopFolderFromUserDirs;
    EXPECT_EQ(DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", home),
              "/home/pilot/Desktop/");
    EXPECT_EQ(DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"${HOME}/D\"", home), "/home/pilot/D/");
    EXPECT_EQ(DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"/srv/desk/\"\r\n", home), "/srv/desk/");
    EXPECT_EQ(DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/\"\n", home), "/home/pilot/")
        << "a disabled desktop is the home folder";
    EXPECT_EQ(DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"$HOME/a\\\"b\"\n", home),
              "/home/pilot/a\"b/");
    EXPECT_EQ(
        DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"/one\"\nXDG_DESKTOP_DIR=\"/two\"\n", home),
        "/two/")
        << "the later assignment wins";
    EXPECT_EQ(DesktopFolderFromUserDirs("#XDG_DESKTOP_DIR=\"/x\"\nXDG_MUSIC_DIR=\"/m\"\n", home),
              "");
    EXPECT_EQ(DesktopFolderFromUserDirs("XDG_DESKTOP_DIR=\"relative\"\n", home), "");
}

TEST(DesktopEntryText, ExecQuotesTheTargetAndEachArgument) {
    const std::string text = DesktopEntryText("/games/my eaw/$HOME\"x\\y%z", "-a \"b c\" d",
                                              " Lead\nName", "/w/", "/w/i.png");
    // Inside the quotes ", `, $ and \ get a backslash and % is doubled; then every backslash
    // of the value is escaped once more as in any string value.
    EXPECT_NE(text.find("Exec=\"/games/my eaw/\\\\$HOME\\\\\"x\\\\\\\\y%%z\" \"-a\" \"b c\" "
                        "\"d\"\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Name=\\sLead\\nName\n"), std::string::npos) << text;
}

TEST_F(DesktopShortcutTest, MakeFolderCreatesAFolderInstead) {
    EXPECT_EQ(Create("Harbinet Files", true), 0);
    EXPECT_EQ(test::ListFolder(home.Desktop()), "Harbinet Files/");
    EXPECT_EQ(Create("Harbinet Files", true), EEXIST);
}

TEST_F(DesktopShortcutTest, FailureGivesAnErrorNumber) {
    WriteFile(home.Home() + "Desktop", "a file where the desktop folder should be");
    EXPECT_NE(Create(kShortcutName), 0);
}

}  // namespace
}  // namespace harbinet
