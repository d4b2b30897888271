// harbinet-cli as a script sees it: output formats, exit statuses and usage errors. The rules
// behind each verb are the core's and tested there. And the sample game it is shown on.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/Strings.h"
#include "platform/Executables.h"
#include "platform/InstallationLock.h"
#include "support/GameFolder.h"
#include "support/RunProgram.h"
#include "support/System.h"
#include "support/UserHome.h"

namespace harbinet::test {
namespace {

// Runs the CLI on the folder; "a b c" is split at blanks.
ProgramResult RunIn(const std::string& folder, const std::string& line) {
    std::vector<std::string> args = {"--folder", folder};
    std::istringstream words(line);
    for (std::string w; words >> w;) args.push_back(w);
    return RunProgram(HARBINET_CLI, args);
}

// Runs the CLI as a game launcher's hook before the command.
ProgramResult Hook(const std::string& folder, const std::vector<std::string>& command) {
    std::vector<std::string> args = {"--folder", folder, "refresh", "--"};
    args.insert(args.end(), command.begin(), command.end());
    return RunProgram(HARBINET_CLI, args);
}

class Cli : public ::testing::Test {
  protected:
    GameFolder g;
    const std::string game = g.Game();

    // Runs the CLI as the program installed in the game folder.
    ProgramResult Run(const std::string& line) { return RunIn(g.Own(), line); }
    void Install(const std::string& harbinet) {
        WriteFile(g.Settings(), "[Harbinet]\r\nVersion=22\r\n" + harbinet +
                                    "TerrainFiles=*.TER\r\nSkinFiles=P*.TPC\r\n"
                                    "CommonFiles=*.CMN\r\n"
                                    "[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\n"
                                    "Terrain2=Battle of Britain, Summer 1940 edition\r\n");
        for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
            Store(std::string("Terrain/Channel/") + season + "/MAP.TER");
        Store("Terrain/Battle of Britain, Summer 1940 edition/MAP.TER");
        Store("Common/Battle of Britain, Summer 1940 edition/ISLAND.CMN");
    }
    void Store(const std::string& relative) { WriteFile(g.Own() + relative, relative); }

    struct Step {
        std::string line;
        int status;
        std::string out, err;
    };
    // Runs the lines in turn, each checked as a script sees it.
    void Steps(const std::vector<Step>& steps) {
        for (const Step& s : steps) {
            const ProgramResult r = Run(s.line);
            EXPECT_EQ(r.status, s.status) << s.line;
            EXPECT_EQ(r.out, s.out) << s.line;
            EXPECT_EQ(r.err, s.err) << s.line;
        }
    }
};

// What each change does to the game folder is the core's to test; here the verbs reach it.
TEST_F(Cli, StatusPrintsWhatTheTrayShowsAndTheVerbsChangeTheGameFolder) {
    Install("Mode=0\r\nTerrain=3\r\nTerrainSet=1\r\nClickDefault=1\r\n");
    EXPECT_EQ(Run("set 2").status, 0);
    EXPECT_EQ(ReadFile(game + "ISLAND.CMN"),
              "Common/Battle of Britain, Summer 1940 edition/ISLAND.CMN");
    Steps({
        {"status", 0,
         "mode=manual\nterrain=autumn\nterrain-set=2\n"
         "terrain-set-name=Battle of Britain, Summer 1940 edition\n"
         "tooltip=Harbinet - Manual Mode, Autumn Terrain (Battle of Britain, Summer 194)\n",
         ""},
        {"season default", 0, "", ""},
        {"season winter", 0, "",
         "harbinet-cli: the game's default terrain is selected; choose a terrain set first (set "
         "N)\n"},
    });
    EXPECT_TRUE(
        Run("menu").out.starts_with("108\t&Launch MicroProse's European Air War [default]\n"));
}

// The user's home and the game named in scripts no single code page holds (Windows' narrow
// functions could not name them): a first run there installs as anywhere else.
TEST(CliNames, AHomeAndAGameNamedInAnyScriptWork) {
    UserHome home("Zo\xC3\xAB");
    GameFolder g;
    TempDir dir;
    const std::string scripts = dir / "K\xC3\xBCste \xCE\xA9\xD0\x96\xE6\x97\xA5/";
    const std::string game = scripts + "EAW/";
    MakeFolder(scripts);
    ASSERT_TRUE(RenameRespelling(g.Game(), game));
    const ProgramResult r = RunIn(game + "Harbinet/", "status");
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("mode=")) << r.out;
    EXPECT_TRUE(Exists(game + "Harbinet/harbinet.INI"));
    EXPECT_EQ(ListFolder(home.Desktop()), LauncherFileName("Harbinet 2.2b"));
    EXPECT_EQ(RunProgram(HARBINET_CLI, {"files", game, "*.INI"}).out, "EAW.INI\n");
}

// A folder mistyped or run from elsewhere: nothing is made there, no desktop entry either.
TEST_F(Cli, NothingIsMadeForAFolderWithoutTheGame) {
    UserHome home;
    TempDir elsewhere;
    const std::string notFound = "harbinet-cli: The EAW executable was not found in ";
    const std::pair<std::string, std::string> cases[] = {
        {elsewhere / "New/", notFound + elsewhere.Path() + "\n"},
        {game, notFound + game.substr(0, game.rfind('/', game.size() - 2) + 1) +
                   "\nThat is the game's own folder: give Harbinet's folder inside it, such as " +
                   game + "Harbinet/\n"},
    };
    const std::string before = ListFolder(elsewhere.Path()) + ListFolder(game);
    for (const auto& [folder, told] : cases) {
        for (const char* verb : {"season winter", "history"}) {
            const ProgramResult r = RunIn(folder, verb);
            EXPECT_EQ(r.status, 1) << folder << " " << verb;
            EXPECT_EQ(r.err, told) << verb;
        }
    }
    EXPECT_EQ(ListFolder(elsewhere.Path()) + ListFolder(game), before);
    EXPECT_EQ(ListFolder(home.Desktop()), "");
}

// Dry runs and verify print what they find, and exit 1 when they could not look.
TEST_F(Cli, DryRunsAndVerifyPrintWhatTheyFind) {
    Install("Mode=0\r\nTerrain=1\r\nTerrainSet=1\r\n");
    Steps({
        {"season summer --dry-run", 0,
         "setting\tHarbinet/harbinet.INI\tHarbinet\tTerrain\t2\n"
         "copy\tTerrain/Channel/Summer/MAP.TER\tMAP.TER\n"
         "total\t0 deletes\t1 copies\t0 kept\t30 bytes\n",
         ""},
        {"verify", 1, "missing\tMAP.TER\n", ""},
    });
    EXPECT_EQ(Run("repair").status, 0);
    EXPECT_EQ(Run("verify").status, 0);

    InstallationLock other(game);
    ASSERT_TRUE(other.Take(InstallationLock::Kind::Change));
    const std::string underWay = std::string("Harbinet Error: ") + text::kChangeUnderWay + "\n";
    Steps({{"set 2 --dry-run", 1, "", underWay},
           {"verify", 1, "", underWay},
           {"history", 1, "", "harbinet-cli: " + std::string(text::kChangeUnderWay) + "\n"}});
    other.Release(InstallationLock::Kind::Change);

    // Folders where the settings and the history belong: nothing to read, nothing written.
    std::filesystem::remove(g.Settings());
    std::filesystem::remove(g.Own() + "history.log");
    MakeFolder(g.Settings());
    MakeFolder(g.Own() + "history.log");
    const std::string before = ListFolder(game) + ListFolder(g.Own());
    for (const char* line : {"season winter --dry-run", "verify", "history"})
        EXPECT_EQ(Run(line).status, 1) << line;
    EXPECT_EQ(ListFolder(game) + ListFolder(g.Own()), before);
}

// The verbs' changes go into the history as the CLI's or a launcher's; history N prints the last
// N lines as stored, leaving out a damaged one.
TEST_F(Cli, HistoryPrintsTheLastChanges) {
    Install("Mode=0\r\nTerrain=4\r\nTerrainSet=1\r\n");
    g.AddCareer("A.SVE", {.monthIndex = 6});
    EXPECT_EQ(Run("season spring").status, 0);
    WriteFile(g.Own() + "history.log", ReadFile(g.Own() + "history.log") + "damaged\n");
    EXPECT_EQ(Run("season winter").status, 0);
    EXPECT_EQ(Hook(g.Own(), ExitCommand(0)).status, 0);
    std::vector<std::string> stored;
    std::istringstream file(ReadFile(g.Own() + "history.log"));
    for (std::string line; std::getline(file, line);)
        if (line != "damaged") stored.push_back(line + "\n");
    ASSERT_EQ(stored.size(), 3u);
    // After the time: what ran, and who asked.
    const char* const asked[] = {"season spring\tcli\t", "season winter\tcli\t",
                                 "season summer\tlauncher hook\t"};
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(stored[i].substr(26, std::string(asked[i]).size()), asked[i]) << stored[i];
    Steps({{"history 2", 0, (stored[1] + stored[2]).c_str(), ""},
           {"history", 0, (stored[0] + stored[1] + stored[2]).c_str(), ""}});
}

// A file of the player's that a change took out is listed, and goes back where it was.
TEST_F(Cli, ThePlayersFilesAreKeptAndCanBeRestored) {
    Install("Mode=0\r\nTerrain=4\r\nTerrainSet=1\r\n");
    WriteFile(game + "EAW3.TER", "my own terrain");
    EXPECT_EQ(Run("season summer").status, 0);
    const std::string listed = Run("originals list").out;
    ASSERT_TRUE(listed.ends_with("/EAW3.TER\n")) << listed;
    const std::string name = listed.substr(0, listed.size() - 1);

    EXPECT_EQ(Run("originals restore " + name.substr(0, name.find(' ')) + "x").status, 1);
    const ProgramResult r =
        RunProgram(HARBINET_CLI, {"--folder", g.Own(), "originals", "restore", name});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(game + "EAW3.TER"), "my own terrain");
    EXPECT_EQ(Run("originals list").out, "");
}

// Two changers at once take turns.
TEST_F(Cli, ConcurrentSeasonChangesNeverMix) {
    Install("Mode=0\r\nTerrain=1\r\nTerrainSet=1\r\nTerrainFiles=*.TER\r\n");
    const std::string block(256 * 1024, 'x');
    for (const char* season : {"Spring", "Winter"})
        for (int i = 0; i < 40; ++i)
            WriteFile(Format("%sTerrain/Channel/%s/T%02d.TER", g.Own().c_str(), season, i),
                      season + block);
    for (int round = 0; round < 4; ++round) {
        std::thread spring([&] {
            const auto result = Run("season spring");
            EXPECT_EQ(result.status, 0) << result.err;
        });
        const auto winter = Run("season winter");
        EXPECT_EQ(winter.status, 0) << winter.err;
        spring.join();
        const std::string season = g.Setting("Harbinet", "Terrain") == "1" ? "Spring" : "Winter";
        for (int i = 0; i < 40; ++i)
            ASSERT_EQ(ReadFile(Format("%sT%02d.TER", game.c_str(), i)), season + block) << i;
    }
}

TEST_F(Cli, SkinVerbsPrintOneRecordALineAndRefuseWrongChoices) {
    Install("Mode=0\r\nTerrain=1\r\nTerrainSet=1\r\n");
    const std::string file = WriteFile(game + "../dl/p109etex.tpc", "texture");
    // Not through Run, which would split the field at the tab.
    const std::vector<std::string> tab = {"--folder", g.Own(), "skins",  "add", file,
                                          "--model",  "E",     "--unit", "J\tG"};
    EXPECT_EQ(RunProgram(HARBINET_CLI, tab).status, 2) << "a tab in a field is refused";
    const std::string add = "skins add " + file + " --model Emil --unit JG26 --year 1941";
    Steps({
        {add, 0, "Harbinet takes these files from " + game + "../dl/:\n  p109etex.tpc\n",
         "harbinet-cli: nothing was moved; add --yes to store the skin\n"},
        {add + " --yes", 0, "1\n",
         "Harbinet takes these files from " + game + "../dl/:\n  p109etex.tpc\n"},
        {"skins list", 0, "1\tEmil\tJG26\tUnknown\tUnknown\t1941\n", ""},
        {"skins next 1 summer 109e", 0, "1\n", ""},
    });
    EXPECT_NE(Run("skins choices 1").out.find("\n109E\tBf 109E-4\t0\t1\t0\t0\n"),
              std::string::npos);
    EXPECT_EQ(Run("skins choose 1 spring 109G 1").status, 1) << "skin 1 is an Emil";
}

TEST_F(Cli, CareerChecksAndTheCareerList) {
    Install("Mode=0\r\nTerrain=1\r\nTerrainSet=1\r\n");
    EXPECT_EQ(Run("careers").out, "") << "no Savedata folder";
    SetWriteTime(g.AddCareer("A.SVE", {.monthIndex = 9, .name1 = "Older"}), 3000);
    SetWriteTime(g.AddCareer("B.SVE", {.monthIndex = 6, .name1 = "Newer"}), 2000);
    EXPECT_EQ(Run("mode automatic").status, 0);
    EXPECT_EQ(g.Setting("Harbinet", "Mode"), "1");
    WriteFile(game + "MAP.TER", "by hand");
    const std::string older = "1 October, 1943  Meyer, Older\n";
    Steps({{"check", 0, older, ""}, {"refresh", 0, older, ""}});
    EXPECT_EQ(ReadFile(game + "MAP.TER"), "Terrain/Channel/Autumn/MAP.TER");
    EXPECT_EQ(Run("careers").out, "* " + older + "  1 July, 1943  Meyer, Newer\n");
}

// As a game launcher's hook: the season of the newest career goes in, then the command runs in
// harbinet-cli's place with its arguments and exit status. While Harbinet runs it keeps the
// terrain itself: no refresh, and the command still runs.
TEST_F(Cli, RefreshBeforeACommandInstallsTheSeasonThenRunsTheCommand) {
    Install("Mode=0\r\nTerrain=2\r\nTerrainSet=1\r\n");
    g.AddCareer("A.SVE", {.monthIndex = 0});
    auto hook = [&](int status) {
        return Hook(g.Own(), PrintFileCommand(game + "MAP.TER", status));
    };
    ProgramResult r = hook(7);
    EXPECT_EQ(r.status, 7) << r.err;
    EXPECT_EQ(r.out, "Terrain/Channel/Winter/MAP.TER");

    InstallationLock running(g.Own());
    ASSERT_TRUE(running.Take(InstallationLock::Kind::Program));
    g.AddCareer("A.SVE", {.monthIndex = 6});
    r = hook(0);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Terrain/Channel/Winter/MAP.TER");
    EXPECT_NE(r.err.find("Harbinet is running"), std::string::npos);

    r = RunProgram(HARBINET_CLI, {"--folder", g.Own(), "refresh", "--", "no-such-game"});
    EXPECT_EQ(r.status, 127);
    EXPECT_NE(r.err.find("cannot run no-such-game"), std::string::npos);
}

// Errors go to standard error and fail the run.
TEST_F(Cli, MaintenanceVerbsPrintOneValueOrNameALineAndErrorsFailTheRun) {
    Install("Mode=0\r\nTerrain=4\r\nTerrainSet=1\r\n");
    const std::string ini = WriteFile(game + "T.INI", "[Game]\nPilot=Old\n");
    const std::string pipe = game + "PIPE.INI";
    const bool piped = MakePipe(pipe);
    WriteFile(game + "b.TER", "");
    WriteFile(game + "A.ter", "");
    // One name, one line; Windows allows none of these characters in a name.
    if (kControlCharactersInNames) WriteFile(game + "c\n\t\\\x01.ter", "");
    std::vector<Step> steps = {
        {"ini set " + ini + " Game Mode -17", 0, "", ""},
        {"ini get " + ini + " Game Pilot --size 3", 0, "Ol\n", ""},
        {"ini get " + ini + " Game X --default d", 0, "d\n", ""},
        {"ini getint " + ini + " Game Mode", 0, "-17\n", ""},
        {"ini set " + game + "missing/EAW.INI A K v", 1, "",
         "harbinet-cli: could not write [A] K to " + game + "missing/EAW.INI\n"},
        {"files " + game + " *.ter", 0,
         std::string("A.ter\nb.TER\n") +
             (kControlCharactersInNames ? "c\\n\\t\\\\\\x01.ter\n" : ""),
         ""},
        {"files " + game + "missing *", 1, "", "harbinet-cli: no folder '" + game + "missing'\n"},
        {"launch-app 3", 1, "", "Harbinet Error: External application slot 3 is empty\n"},
    };
    if (piped)
        steps.push_back({"ini get " + pipe + " A K", 1, "",
                         "harbinet-cli: '" + pipe + "' is not a regular file\n"});
    Steps(steps);
    EXPECT_EQ(ReadFile(ini), "[Game]\nPilot=Old\nMode=-17\n");
}

// The list verbs print one record a line and refuse what the dialogs refuse.
TEST_F(Cli, SetAppAndConfigureVerbsPrintTheirResultsAndRefuseWhatTheDialogsRefuse) {
    WriteFile(g.Settings(),
              "[Harbinet]\nVersion=22\nMode=0\nTerrainFiles=*.TER\nSkinFiles=P*\n[TerrainSets]\n"
              "Terrain1=Channel\nSeasons1=1\nTerrain10=Pacific\nObjectsLow10=1\nTerrain2=Med\n"
              "[External]\nApp1Desc=Panel\nApp1EXE=Panel.exe\n");
    WriteFile(game + "TOOLS/ECA.EXE", "MZ");
    Steps({
        {"sets add Burma --objects-low --seasons", 0, "3\n", ""},
        {"sets modify 10 --no-objects-low --seasons", 0, "", ""},
        {"sets delete 2", 0, "",
         "Delete Terrain Set: Do you really want to delete the Med Terrain Set? [No]\n"},
        {"set 4", 1, "", "Harbinet Error: Terrain set 4 does not exist\n"},
        {"sets list", 0,
         "1\tChannel\tyes\tno\n2\tMed\tno\tno\n3\tBurma\tyes\tyes\n10\tPacific\tyes\tno\n", ""},
        {"apps add ECA ..\\TOOLS\\ECA.EXE", 0, "2\n", ""},
        {"apps add Gone TOOLS/ECA.EXE", 1, "",
         "Harbinet Error: The executable TOOLS/ECA.EXE does not exist\n"},
        {"apps list", 0, "1\tPanel\tPanel.exe\n2\tECA\t..\\\\TOOLS\\\\ECA.EXE\n", ""},
        {"apps modify 2 Tools ../TOOLS", 0, "", ""},
        {"apps delete 2", 0, "",
         "Delete External Application: Do you really want to delete Tools? [No]\n"},
        {"--yes apps delete 1", 0, "",
         "Delete External Application: Do you really want to delete Panel? [Yes]\n"},
        {"apps list", 0, "2\tTools\t../TOOLS\n", ""},
        {"configure set SkinFiles P*,", 1, "",
         "Harbinet Error: The file types specified for Skins are invalid or incorrectly "
         "formatted\n"},
        {"configure set SavedObjectDetail medium", 0, "", ""},
        {"configure set LoadOnStart 1", 0, "", ""},
        {"configure show", 0,
         "ClickDefault\t0\nLoadOnStart\t1\nCopySkins\t0\nLaunchAfter\t0\n"
         "SavedObjectDetail\tmedium\nTerrainFiles\t*.TER\nSkinFiles\tP*\nCommonFiles\t\n",
         ""},
    });
}

// A verb or an argument missing, unknown, out of range or one too many, for each verb.
// clang-format off
const char* const kUsageErrors[] = {
    "", "nonsense", "status x", "menu x", "season fall", "set 26", "set x", "set 1 2", "mode auto",
    "check now", "refresh x", "careers x", "launch x", "launch-app", "ini del f A K", "ini get f A",
    "ini get f A K --size x", "ini getint f A K --default 1.5", "files onlyafolder", "skins",
    "skins list x", "skins add f --model M", "skins modify 1 --colour red", "skins delete",
    "skins choices 26", "skins choose 1 spring 109E", "skins choose 1 fall 109E 0",
    "skins choose 1 spring B24D 0", "skins next 1 spring", "skins reset", "sets list 1",
    "sets add X --no-seasons", "sets modify 1 --seasons --no-seasons", "sets delete 0",
    "apps add Only", "apps modify 26 A B", "apps delete x", "configure set LoadOnStart yes",
    "configure set Timer 5", "history 0", "history x"};
// clang-format on

TEST_F(Cli, UsageErrorsChangeNothing) {
    Install("Mode=0\r\nTerrain=4\r\nTerrainSet=1\r\n");
    const std::string settings = ReadFile(g.Settings());
    for (const char* line : kUsageErrors) {
        const auto result = Run(line);
        EXPECT_EQ(result.status, 2) << line << "\n" << result.err;
    }
    EXPECT_EQ(ReadFile(g.Settings()), settings);
    EXPECT_FALSE(Exists(g.Own() + "f"));
}

// The sample game folder of the README's run command (the kill points play on it): careers of
// several seasons, the summer one written last, no settings yet and a terrain in the game, so
// that the first start shows the installation at work. It replaces only its own folder, and only
// when forced.
TEST(MakeSampleGame, LaysOutAGameAndReplacesOnlyItsOwnFolderWhenForced) {
    TempDir dir;
    const std::string game = dir / "EAW", own = game + "/Harbinet/";
    const auto make = [](std::initializer_list<std::string> args) {
        return RunProgram(HARBINET_MAKE_SAMPLE_GAME, args).status;
    };
    ASSERT_EQ(make({game, "--game", HARBINET_CLI}), 0);
    EXPECT_TRUE(files::IsExecutableFile(game + "/EAW.EXE"));
    EXPECT_NE(RunIn(own, "careers").out.find("\n* 15 July, 1943  Vogt, Karl\n"), std::string::npos);
    EXPECT_FALSE(Exists(own + "harbinet.INI"));
    EXPECT_TRUE(Exists(game + "/EAW1.TER"));

    WriteFile(game + "/Savedata/MINE.SVE", "kept");
    EXPECT_EQ(make({game, "--game", HARBINET_CLI}), 1);
    EXPECT_EQ(ReadFile(game + "/Savedata/MINE.SVE"), "kept");
    // Its own EAW.EXE may serve as the program for the new folder.
    ASSERT_EQ(make({game, "--game", game + "/EAW.EXE", "--force"}), 0);
    EXPECT_FALSE(Exists(game + "/Savedata/MINE.SVE"));
    EXPECT_EQ(ReadFile(game + "/EAW.EXE"), ReadFile(HARBINET_CLI));
    const std::string other = WriteFile(dir / "home/notes.txt", "precious");
    EXPECT_EQ(make({dir / "home", "--game", HARBINET_CLI, "--force"}), 1);
    EXPECT_EQ(ReadFile(other), "precious");
    EXPECT_EQ(make({dir / "new"}), 2) << "the game program is required";
}

}  // namespace
}  // namespace harbinet::test
