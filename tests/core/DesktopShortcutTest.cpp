#include "install/DesktopShortcut.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/linux/Freedesktop.h"
#include "support/GameFolder.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

// An entry of the folder's own is replaced; one of another folder, or anything else of that
// name, is never overwritten.
TEST(DesktopShortcut, ExecutableEntryStartsTheProgramInItsFolderAndKeepsOtherFoldersEntries) {
    UserHome home;
    GameFolder game;
    WriteFile(home.Desktop() + "Harbinet 2.2b.desktop", "the user's own");

    EXPECT_EQ(CreateDesktopShortcut(*game.MakeState()).Message(), "");
    EXPECT_EQ(CreateDesktopShortcut(*game.MakeState()).Message(), "");

    const std::string entry = home.Desktop() + "Harbinet 2.2b (2).desktop";
    EXPECT_EQ(ListFolder(home.Desktop()), "Harbinet 2.2b (2).desktop Harbinet 2.2b.desktop");
    EXPECT_EQ(ReadFile(home.Desktop() + "Harbinet 2.2b.desktop"), "the user's own");
    const std::string o = game.Own();
    EXPECT_EQ(ReadFile(entry),
              "[Desktop Entry]\nType=Application\nVersion=1.0\n"
              "Name=Harbinet 2.2b (2)\nExec=\"" +
                  o + "harbinet\"\nPath=" + o + "\nIcon=" + o + "harbinet.png\nTerminal=false\n");
    EXPECT_EQ(::access(entry.c_str(), X_OK), 0);

    GameFolder other;
    EXPECT_EQ(CreateDesktopShortcut(*other.MakeState()).Message(), "");
    EXPECT_TRUE(Exists(home.Desktop() + "Harbinet 2.2b (3).desktop"));
    EXPECT_EQ(ReadFile(entry).find(other.Own()), std::string::npos);
}

TEST(UserDirs, AreReadAsTheShellWould) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        // text, name, folder
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n", "DESKTOP", "/home/pilot/Desktop/"},
        {"XDG_DESKTOP_DIR=\"$HOME/\"\n", "DESKTOP", "/home/pilot/"},  // disabled: the home
        {"XDG_DESKTOP_DIR=\"/one\"\nXDG_DESKTOP_DIR=\"/two\"\n", "DESKTOP", "/two/"},  // later wins
        {"#XDG_DESKTOP_DIR=\"/x\"\nXDG_MUSIC_DIR=\"/m\"\n", "DESKTOP", ""},
        {"XDG_DESKTOP_DIR=\"/d\"\nXDG_DOWNLOAD_DIR=\"${HOME}/Downloads\"\n", "DOWNLOAD",
         "/home/pilot/Downloads/"},
    };
    for (const auto& [text, name, folder] : cases)
        EXPECT_EQ(files::UserDirFromUserDirs(text, name, "/home/pilot/"), folder) << text;
}

TEST(DesktopEntryText, ExecQuotesEachArgumentAndValuesAreEscaped) {
    const std::string text = DesktopEntryText({"/games/my eaw/$HOME\"x\\y%z", "--folder", "/w/"},
                                              " Lead\nName", "/w/", "/w/i.png");
    // Inside the quotes ", `, $ and \ get a backslash and % is doubled; then every backslash
    // of the value is escaped once more as in any string value.
    const std::string exec =
        "\nExec=\"/games/my eaw/\\\\$HOME\\\\\"x\\\\\\\\y%%z\" \"--folder\" \"/w/\"\n";
    EXPECT_NE(text.find(exec), std::string::npos) << text;
    EXPECT_NE(text.find("\nName=\\sLead\\nName\n"), std::string::npos) << text;
}

}  // namespace
}  // namespace harbinet::test
