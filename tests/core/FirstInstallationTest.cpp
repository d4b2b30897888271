#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "shell/FirstInstallation.h"
#include "shell/LoadSettings.h"
#include "support/InstallFixture.h"

namespace harbinet {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::WriteFile;

class FirstInstallationTest : public test::InstallFixture {};

TEST_F(FirstInstallationTest, FreshFolderGetsEveryKeyFolderAndTheDesktopEntry) {
    WriteFile(g.Game() + "A.TER", "installed terrain");
    WriteFile(g.Game() + "GRAS1.TPC", "installed grass");
    WriteFile(g.Game() + "P51.TPC", "a skin, left alone while skins are not copied");

    LoadSettings(*state);

    const std::string game = g.Game();
    const std::vector<std::vector<std::string>> expected = {
        {"Harbinet", "Version", "22"},
        {"Harbinet", "Mode", "0"},
        {"Harbinet", "Terrain", "1"},
        {"Harbinet", "TerrainSet", "0"},
        {"Harbinet", "Timer", "30"},
        {"Harbinet", "ClickDefault", "0"},
        {"Harbinet", "LoadOnStart", "0"},
        {"Harbinet", "CopySkins", "0"},
        {"Harbinet", "LaunchAfter", "0"},
        {"Harbinet", "TerrainFiles", "*.TER,GRAS*.TPC"},
        {"Harbinet", "SkinFiles", "P*.TPC,*.3DZ"},
        {"Harbinet", "CommonFiles", ""},
        {"Harbinet", "SavedObjectDetail", "2"},
        {"TerrainSets", "Terrain1", "Channel Front"},
        {"TerrainSets", "Seasons1", "1"},
        {"TerrainSets", "ObjectsLow1", "0"},
        {"External", "App1Desc", "Orlen's ECA Control Panel"},
        {"External", "App1EXE", game + "ECAPANEL.EXE"},
        {"External", "App2Desc", "Brask's EAW Control"},
        {"External", "App2EXE", game + "EAWCONTROL.EXE"},
        {"External", "App3Desc", "Tavish's EAW OnLine Manager"},
        {"External", "App3EXE", game + "EAWCM.EXE"},
    };
    for (const auto& e : expected) EXPECT_EQ(Get(e[0], e[1]), e[2]) << e[0] << "/" << e[1];
    for (unsigned n = 2; n <= 5; ++n) {
        EXPECT_EQ(Get("TerrainSets", settings::TerrainNameKey(n)), "") << n;
        EXPECT_EQ(Get("TerrainSets", settings::SeasonsKey(n)), "0") << n;
        EXPECT_EQ(Get("TerrainSets", settings::ObjectsLowKey(n)), "0") << n;
    }
    for (unsigned n = 4; n <= 5; ++n) {
        EXPECT_EQ(Get("External", settings::AppDescKey(n)), "") << n;
        EXPECT_EQ(Get("External", settings::AppExeKey(n)), "") << n;
    }
    EXPECT_EQ(Get("TerrainSets", "Terrain6"), "<missing>");

    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(state->Terrain, 1);
    EXPECT_EQ(state->TerrainSet, 0);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion}) << "no upgrade message";

    EXPECT_EQ(ListFolder(g.Own()), "Common/ Skins/ Terrain/ Vandelholt/ harbinet.INI");
    EXPECT_EQ(ListFolder(g.Own() + "Terrain/Channel Front/"), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(ListFolder(g.Own() + "Skins/Channel Front/"), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(ListFolder(g.Own() + "Common/"), "Channel Front/");
    EXPECT_EQ(profile::GetString(g.Own() + "Vandelholt/Skins.INI", "Skins", "InitialFolder", ""),
              files::TempFolder());

    // The game's default terrain: the installed terrain files are gone.
    EXPECT_EQ(ListFolder(g.Game()), "EAW.EXE EAW.INI Harbinet/ P51.TPC");

    EXPECT_EQ(ListFolder(home.Desktop()), "Harbinet 2.2b.desktop");
    EXPECT_NE(ReadFile(Entry()).find("Exec=\"" + g.Own() + "harbinet\"\n"), std::string::npos);

    // The next start finds the current layout: nothing is asked, nothing written.
    const std::string after = ReadFile(g.Settings());
    auto again = g.MakeState();
    LoadSettings(*again);
    EXPECT_EQ(g.ui.messages.size(), 1u);
    EXPECT_EQ(ReadFile(g.Settings()), after);
}

TEST_F(FirstInstallationTest, YesAddsTheMediterraneanAndPacificSets) {
    g.ui.answer = true;
    RunFirstInstallation(*state, state->ExecutablePath);

    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(Get("TerrainSets", "Terrain2"), "Mediterranean");
    EXPECT_EQ(Get("TerrainSets", "Seasons2"), "0");
    EXPECT_EQ(Get("TerrainSets", "ObjectsLow2"), "1");
    EXPECT_EQ(Get("TerrainSets", "Terrain3"), "Pacific");
    EXPECT_EQ(Get("TerrainSets", "Seasons3"), "0");
    EXPECT_EQ(Get("TerrainSets", "ObjectsLow3"), "1");
    EXPECT_EQ(Get("TerrainSets", "Terrain4"), "");
    for (const char* store : {"Terrain/", "Skins/", "Common/"})
        EXPECT_EQ(ListFolder(g.Own() + store), "Channel Front/ Mediterranean/ Pacific/") << store;
}

TEST_F(FirstInstallationTest, NoLeavesOnlyChannelFront) {
    g.ui.answer = false;
    RunFirstInstallation(*state, state->ExecutablePath);
    EXPECT_EQ(Get("TerrainSets", "Terrain2"), "");
    EXPECT_EQ(Get("TerrainSets", "Terrain3"), "");
    for (const char* store : {"Terrain/", "Skins/", "Common/"})
        EXPECT_EQ(ListFolder(g.Own() + store), "Channel Front/") << store;
}

TEST_F(FirstInstallationTest, ExistingFileChangesOnlyInTheKeysWritten) {
    const std::string original =
        "; kept by the user\r\n"
        "[Harbinet]\r\n"
        "Runner=wine-staging\r\n"
        "Terrain=4\r\n"
        "\r\n"
        "[TerrainSets]\r\n"
        "Terrain1=Old Front\r\n"
        "Terrain6=Battle of Britain\r\n"
        "Seasons6=1\r\n"
        "ObjectsLow25=1\r\n"
        "[External]\r\n"
        "App1Desc=Mine\r\n"
        "App6Desc=Six\r\n"
        "App6EXE=/opt/six.exe\r\n"
        "App25EXE=z\r\n"
        "[Other]\r\n"
        "Key=Value";
    WriteFile(g.Settings(), original);
    LoadSettings(*state);

    // What the installation writes, applied to the old text in its order; every other byte
    // must be as it was.
    std::string expected = original;
    auto write = [&](std::string_view section, const std::string& key, const std::string& v) {
        expected = profile::WriteStringToText(expected, section, key, v);
    };
    const std::vector<std::pair<std::string, std::string>> harbinet = {
        {"Version", "22"},
        {"Mode", "0"},
        {"Terrain", "1"},
        {"TerrainSet", "0"},
        {"Timer", "30"},
        {"ClickDefault", "0"},
        {"LoadOnStart", "0"},
        {"CopySkins", "0"},
        {"LaunchAfter", "0"},
        {"TerrainFiles", "*.TER,GRAS*.TPC"},
        {"SkinFiles", "P*.TPC,*.3DZ"},
        {"CommonFiles", ""},
        {"SavedObjectDetail", "2"}};
    for (const auto& [k, v] : harbinet) write("Harbinet", k, v);
    for (unsigned n = 1; n <= 5; ++n) {
        write("TerrainSets", settings::TerrainNameKey(n), n == 1 ? "Channel Front" : "");
        write("TerrainSets", settings::SeasonsKey(n), n == 1 ? "1" : "0");
        write("TerrainSets", settings::ObjectsLowKey(n), "0");
    }
    const std::vector<std::pair<std::string, std::string>> apps = {
        {"Orlen's ECA Control Panel", "ECAPANEL.EXE"},
        {"Brask's EAW Control", "EAWCONTROL.EXE"},
        {"Tavish's EAW OnLine Manager", "EAWCM.EXE"},
        {"", ""},
        {"", ""}};
    for (unsigned n = 1; n <= 5; ++n) {
        write("External", settings::AppDescKey(n), apps[n - 1].first);
        write("External", settings::AppExeKey(n),
              apps[n - 1].second.empty() ? "" : g.Game() + apps[n - 1].second);
    }
    EXPECT_EQ(ReadFile(g.Settings()), expected);

    for (const char* line :
         {"; kept by the user\r\n", "Runner=wine-staging\r\n",
          "Terrain6=Battle of Britain\r\nSeasons6=1\r\nObjectsLow25=1\r\n",
          "App6Desc=Six\r\nApp6EXE=/opt/six.exe\r\nApp25EXE=z\r\n", "[Other]\r\nKey=Value"})
        EXPECT_NE(ReadFile(g.Settings()).find(line), std::string::npos) << line;
}

TEST_F(FirstInstallationTest, SavedObjectDetailComesFromTheGamesIni) {
    ASSERT_TRUE(files::DeleteFile(g.Game() + "EAW.INI"));
    WriteFile(g.Game() + "eaw.ini", "[graphics]\n3dcitytargets=0\n");
    RunFirstInstallation(*state, state->ExecutablePath);
    EXPECT_EQ(Get("Harbinet", "SavedObjectDetail"), "0");

    test::GameFolder bare(/*withGame=*/false);
    auto bareState = bare.MakeState();
    RunFirstInstallation(*bareState, bareState->ExecutablePath);
    EXPECT_EQ(profile::GetString(bare.Settings(), "Harbinet", "SavedObjectDetail", ""), "2");
}

TEST_F(FirstInstallationTest, PicturesMoveButThoseAlreadyInTheCatalogueStay) {
    PutPictures();
    WriteFile(g.Own() + "Vandelholt/SPRING.GIF", "mine");
    WriteFile(g.Own() + "Vandelholt/noimage.gif", "mine too");
    test::MakeFolder(g.Own() + "Vandelholt/WINTER.GIF");  // nothing can be copied there

    RunFirstInstallation(*state, state->ExecutablePath);

    const std::string cat = g.Own() + "Vandelholt/";
    EXPECT_EQ(ReadFile(cat + "SPRING.GIF"), "mine");
    EXPECT_EQ(ReadFile(cat + "noimage.gif"), "mine too");
    EXPECT_FALSE(Exists(cat + "NOIMAGE.GIF"));
    for (const char* p : {"EAWLOGO.GIF", "SUMMER.GIF", "AUTUMN.GIF"})
        EXPECT_EQ(ReadFile(cat + p), std::string("picture ") + p);
    EXPECT_EQ(ListFolder(g.Own()), "Common/ Skins/ Terrain/ Vandelholt/ WINTER.GIF harbinet.INI")
        << "a picture is deleted only once the catalogue has it";
}

TEST_F(FirstInstallationTest, OldSeasonFoldersMoveIntoChannelFrontWithEveryFile) {
    const std::string terrain = g.Own() + "Terrain/";
    const std::string spring = terrain + "Channel Front/Spring/";
    WriteFile(terrain + "Spring/A.TER", "old a");
    WriteFile(terrain + "Spring/b.ter", "old b");
    WriteFile(terrain + "Spring/GRAS1.TPC", "old grass");
    WriteFile(terrain + "Spring/NOTES.TXT", "old notes");
    WriteFile(spring + "STALE.TER", "replaced by the copy");
    WriteFile(spring + "notes.txt", "newer notes");
    WriteFile(terrain + "Summer/S.TER", "summer");
    WriteFile(terrain + "Summer/README", "summer readme");
    WriteFile(terrain + "Autumn/LOCKED.TER", "autumn");
    const std::string locked = WriteFile(terrain + "Channel Front/Autumn/LOCKED.TER", "newer");
    ::chmod(locked.c_str(), 0444);
    const std::string winter = WriteFile(terrain + "Channel Front/Winter/W.TER", "winter");

    RunFirstInstallation(*state, state->ExecutablePath);

    EXPECT_EQ(ListFolder(spring), "A.TER GRAS1.TPC b.ter notes.txt");
    EXPECT_EQ(ReadFile(spring + "A.TER"), "old a");
    EXPECT_EQ(ReadFile(spring + "GRAS1.TPC"), "old grass");
    EXPECT_EQ(ReadFile(spring + "notes.txt"), "newer notes");
    EXPECT_EQ(ListFolder(terrain + "Spring/"), "NOTES.TXT")
        << "a file whose name is taken stays in the old folder rather than being lost";

    EXPECT_EQ(ListFolder(terrain + "Channel Front/Summer/"), "README S.TER");
    EXPECT_EQ(ReadFile(terrain + "Channel Front/Summer/README"), "summer readme");
    EXPECT_EQ(ReadFile(terrain + "Autumn/LOCKED.TER"), "autumn")
        << "a terrain file that could not be copied is not deleted";
    EXPECT_EQ(ReadFile(locked), "newer");
    EXPECT_EQ(ListFolder(terrain), "Autumn/ Channel Front/ Spring/")
        << "emptied old folders are removed";
    EXPECT_EQ(ReadFile(winter), "winter") << "without an old folder the new one keeps its files";
}

}  // namespace
}  // namespace harbinet

namespace harbinet {
namespace {

TEST_F(FirstInstallationTest, ModeOfMinusOneWrittenByHandInstallsAgain) {
    WriteFile(g.Settings(),
              "[Harbinet]\r\nMode=-1\r\nVersion=22\r\n[TerrainSets]\r\nTerrain7=Kept\r\n");
    LoadSettings(*state);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(Get("Harbinet", "Mode"), "0");
    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(Get("TerrainSets", "Terrain7"), "Kept");
}

}  // namespace
}  // namespace harbinet
