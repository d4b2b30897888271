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

struct Key {
    std::string section, key, value;
};

// Every key a first installation writes, in the order it writes them.
std::vector<Key> InstalledKeys(const std::string& game) {
    const char* names[] = {
        "Version",      "Mode",        "Terrain",          "TerrainSet",  "Timer",
        "ClickDefault", "LoadOnStart", "CopySkins",        "LaunchAfter", "TerrainFiles",
        "SkinFiles",    "CommonFiles", "SavedObjectDetail"};
    const char* values[] = {
        "22", "0", "1", "0", "30", "0", "0", "0", "0", "*.TER,GRAS*.TPC", "P*.TPC,*.3DZ", "", "2"};
    const char* descs[] = {"Orlen's ECA Control Panel", "Brask's EAW Control",
                           "Tavish's EAW OnLine Manager", "", ""};
    const char* exes[] = {"ECAPANEL.EXE", "EAWCONTROL.EXE", "EAWCM.EXE", "", ""};
    std::vector<Key> keys;
    for (std::size_t i = 0; i < std::size(names); ++i)
        keys.push_back({"Harbinet", names[i], values[i]});
    for (unsigned n = 1; n <= 5; ++n) {
        keys.push_back({"TerrainSets", settings::TerrainNameKey(n), n == 1 ? "Channel Front" : ""});
        keys.push_back({"TerrainSets", settings::SeasonsKey(n), n == 1 ? "1" : "0"});
        keys.push_back({"TerrainSets", settings::ObjectsLowKey(n), "0"});
    }
    for (unsigned n = 1; n <= 5; ++n) {
        keys.push_back({"External", settings::AppDescKey(n), descs[n - 1]});
        keys.push_back(
            {"External", settings::AppExeKey(n), *exes[n - 1] ? game + exes[n - 1] : ""});
    }
    return keys;
}

TEST_F(FirstInstallationTest, FreshFolderGetsEveryKeyFolderAndTheDesktopEntry) {
    WriteFile(g.Game() + "A.TER", "installed terrain");
    WriteFile(g.Game() + "GRAS1.TPC", "installed grass");
    WriteFile(g.Game() + "P51.TPC", "a skin, left alone while skins are not copied");

    LoadSettings(*state);

    for (const auto& k : InstalledKeys(g.Game()))
        EXPECT_EQ(Get(k.section, k.key), k.value) << k.section << "/" << k.key;
    EXPECT_EQ(Get("TerrainSets", "Terrain6"), "<missing>");
    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(state->Terrain, 1);
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
}

TEST_F(FirstInstallationTest, YesAddsTheMediterraneanAndPacificSetsNoDoesNot) {
    for (const bool yes : {true, false}) {
        test::GameFolder folder;
        auto s = folder.MakeState();
        folder.ui.answer = yes;
        RunFirstInstallation(*s, s->ExecutablePath);
        std::string sets;
        for (const char* k : {"Terrain2", "Seasons2", "ObjectsLow2", "Terrain3", "Seasons3",
                              "ObjectsLow3", "Terrain4"})
            sets += profile::GetString(folder.Settings(), "TerrainSets", k, "?") + "|";
        EXPECT_EQ(sets, yes ? "Mediterranean|0|1|Pacific|0|1||" : "|0|0||0|0||");
        for (const char* store : {"Terrain/", "Skins/", "Common/"})
            EXPECT_EQ(ListFolder(folder.Own() + store),
                      yes ? "Channel Front/ Mediterranean/ Pacific/" : "Channel Front/")
                << store;
    }
}

TEST_F(FirstInstallationTest, ExistingFileChangesOnlyInTheKeysWritten) {
    const std::string original =
        "; kept by the user\r\n[Harbinet]\r\nRunner=wine-staging\r\nTerrain=4\r\n\r\n"
        "[TerrainSets]\r\nTerrain1=Old Front\r\n"
        "Terrain6=Battle of Britain\r\nSeasons6=1\r\nObjectsLow25=1\r\n"
        "[External]\r\nApp1Desc=Mine\r\n"
        "App6Desc=Six\r\nApp6EXE=/opt/six.exe\r\nApp25EXE=z\r\n"
        "[Other]\r\nKey=Value";
    WriteFile(g.Settings(), original);
    LoadSettings(*state);

    // What the installation writes, applied to the old text in its order; every other byte
    // (keys 6..25, other sections, comments) must be as it was.
    std::string expected = original;
    for (const auto& k : InstalledKeys(g.Game()))
        expected = profile::WriteStringToText(expected, k.section, k.key, k.value);
    EXPECT_EQ(ReadFile(g.Settings()), expected);
}

TEST_F(FirstInstallationTest, ModeOfMinusOneWrittenByHandInstallsAgain) {
    WriteFile(g.Settings(),
              "[Harbinet]\r\nMode=-1\r\nVersion=22\r\n[TerrainSets]\r\nTerrain7=Kept\r\n");
    LoadSettings(*state);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{kQuestion});
    EXPECT_EQ(Get("Harbinet", "Mode"), "0");
    EXPECT_EQ(state->Mode, 0);
    EXPECT_EQ(Get("TerrainSets", "Terrain7"), "Kept");
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
    const std::string cat = g.Own() + "Vandelholt/";
    WriteFile(cat + "SPRING.GIF", "mine");
    WriteFile(cat + "noimage.gif", "mine too");
    test::MakeFolder(cat + "WINTER.GIF");  // nothing can be copied there

    RunFirstInstallation(*state, state->ExecutablePath);

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
    WriteFile(terrain + "Spring/NOTES.TXT", "old notes");
    WriteFile(spring + "STALE.TER", "replaced by the copy");
    WriteFile(spring + "notes.txt", "newer notes");
    WriteFile(terrain + "Summer/README", "summer readme");
    WriteFile(terrain + "Autumn/LOCKED.TER", "autumn");
    const std::string locked = WriteFile(terrain + "Channel Front/Autumn/LOCKED.TER", "newer");
    ::chmod(locked.c_str(), 0444);
    const std::string winter = WriteFile(terrain + "Channel Front/Winter/W.TER", "winter");

    RunFirstInstallation(*state, state->ExecutablePath);

    EXPECT_EQ(ListFolder(spring), "A.TER notes.txt");
    EXPECT_EQ(ReadFile(spring + "A.TER"), "old a");
    EXPECT_EQ(ReadFile(spring + "notes.txt"), "newer notes");
    EXPECT_EQ(ListFolder(terrain + "Spring/"), "NOTES.TXT")
        << "a file whose name is taken stays in the old folder rather than being lost";
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
