// Launching with real processes: the stand-in game, runner scripts, and harbinet-cli.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "desktop/XTestClient.h"
#include "extapps/ExternalApps.h"
#include "platform/Profile.h"
#include "shell/Commands.h"
#include "shell/GameLauncher.h"
#include "support/GameFolder.h"
#include "support/Wait.h"

namespace harbinet {
namespace {

using test::ReadFile;
using test::WaitUntil;

std::vector<std::vector<std::string>> LogLines(const std::string& path) {
    std::vector<std::vector<std::string>> lines;
    if (!test::Exists(path)) return lines;
    std::istringstream in(ReadFile(path));
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string> fields;
        std::istringstream f(line);
        for (std::string field; std::getline(f, field, '\t');) fields.push_back(field);
        lines.push_back(fields);
    }
    return lines;
}

std::string Script(const std::string& path, const std::string& body) {
    test::WriteFile(path, "#!/bin/sh\n" + body);
    ::chmod(path.c_str(), 0755);
    return path;
}

// Records its working folder and arguments in OUT, written whole by a rename.
std::string RecordingScript(const std::string& path, const std::string& out) {
    return Script(path, "{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > '" + out +
                            ".part'\nmv '" + out + ".part' '" + out + "'\n");
}

std::string NoSlash(const std::string& folder) {
    return folder.substr(0, folder.size() - 1);
}

// The system desktop, counting the processes it is asked to start.
class CountingDesktop : public Desktop {
  public:
    bool WindowExists(const std::string& t) override { return real->WindowExists(t); }
    bool BringWindowForward(const std::string& t) override { return real->BringWindowForward(t); }
    bool Spawn(const std::vector<std::string>& argv, const std::string& folder,
               std::string* error) override {
        ++spawns;
        return real->Spawn(argv, folder, error);
    }
    void ShellOpen(const std::string& target) override { real->ShellOpen(target); }
    void PlaySound(const std::string& path) override { real->PlaySound(path); }

    std::unique_ptr<Desktop> real = MakeSystemDesktop();
    int spawns = 0;
};

// A game folder whose EAW.EXE is the stand-in game; the games it started end with the test.
class Launching : public ::testing::Test {
  protected:
    void SetUp() override {
        test::WriteFile(game.Game() + "EAW.EXE", ReadFile(HARBINET_STANDIN_GAME));
        ::chmod((game.Game() + "EAW.EXE").c_str(), 0755);
        // Installed already: the verbs' start-up neither installs nor upgrades.
        test::WriteFile(game.Settings(), "[Harbinet]\r\nVersion=22\r\nMode=0\r\n");
    }
    void TearDown() override {
        for (const auto& line : LogLines(Log()))
            if (!line.empty() && std::atoi(line[0].c_str()) > 0)
                ::kill(std::atoi(line[0].c_str()), SIGTERM);
        if (!oldPath.empty()) ::setenv("PATH", oldPath.c_str(), 1);
    }
    std::string Log() const { return game.Game() + "standin-game.log"; }
    FrameState& State() {
        if (!state)
            state = std::make_unique<FrameState>(Folders::FromExecutable(game.Own() + "harbinet"),
                                                 game.ui, desktop);
        return *state;
    }
    // Stand-ins found first on the PATH, in folder bin/ of the temporary tree.
    std::string PutFirstOnPath() {
        const std::string bin = scratch / "bin/";
        test::MakeFolder(bin);
        oldPath = std::getenv("PATH");
        ::setenv("PATH", (bin + ":" + oldPath).c_str(), 1);
        return bin;
    }

    test::GameFolder game;
    test::TempDir scratch;
    CountingDesktop desktop;
    std::unique_ptr<FrameState> state;
    std::string oldPath;
};

TEST_F(Launching, StartsTheGameOnceAndThenBringsItsWindowForward) {
    test::TestClient client;
    if (!client.Ok()) GTEST_SKIP() << "needs an X display (run under xvfb-run)";
    const std::string exe = game.Game() + "EAW.EXE";

    LaunchGame(State());
    ASSERT_TRUE(WaitUntil([&] { return desktop.WindowExists("European Air War"); }));
    auto lines = LogLines(Log());
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], (std::vector<std::string>{lines[0][0], NoSlash(game.Game()), exe}));
    EXPECT_TRUE(game.ui.messages.empty());

    // The game runs: a second launch raises its window and starts nothing.
    const Window window = client.FindTopLevel("European Air War");
    ASSERT_NE(window, None);
    LaunchGame(State());
    EXPECT_TRUE(
        client.WaitFor([&](const XEvent& e) { return client.IsActivationRequest(e, window); }));
    EXPECT_EQ(desktop.spawns, 1);
    EXPECT_EQ(LogLines(Log()).size(), 1u);
}

TEST_F(Launching, AWindowsGameGoesThroughTheRunnerOfTheSettings) {
    const std::string exe = test::WriteFile(game.Game() + "EAW.EXE", "MZ\x90 windows program");
    const std::string out = scratch / "runner.txt";
    const std::string runner = RecordingScript(scratch / "my runner.sh", out);
    ASSERT_TRUE(profile::WriteString(game.Settings(), "Harbinet", "Runner", runner));

    LaunchGame(State());
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(out); }));
    EXPECT_EQ(ReadFile(out), NoSlash(game.Game()) + "\n[" + exe + "]\n");
    EXPECT_TRUE(game.ui.messages.empty());
}

TEST_F(Launching, ExternalApplicationsStartInTheirFolderOrGoToTheOpenHandler) {
    const std::string bin = PutFirstOnPath();
    const std::string opened = scratch / "opened.txt";
    RecordingScript(bin + "xdg-open", opened);
    const std::string started = scratch / "tool.txt";
    RecordingScript(game.Game() + "TOOLS/Tool.Exe", started);
    test::WriteFile(game.Own() + "README.TXT", "read me");
    ASSERT_TRUE(profile::WriteString(game.Settings(), "External", "App4EXE", "../TOOLS/Tool.Exe"));
    ASSERT_TRUE(profile::WriteString(game.Settings(), "External", "App5EXE", "README.TXT"));

    LaunchExternalApp(State(), cmd::kFirstExternalApp + 3);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(started); }));
    EXPECT_EQ(ReadFile(started), game.Game() + "TOOLS\n");

    LaunchExternalApp(State(), cmd::kFirstExternalApp + 4);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(opened); }));
    EXPECT_NE(ReadFile(opened).find("\n[" + game.Own() + "README.TXT]\n"), std::string::npos);
    EXPECT_TRUE(game.ui.messages.empty());
}

// harbinet-cli run as a script would run it; standard error goes to a file.
int RunCli(const std::string& arguments, const std::string& errors) {
    const std::string command =
        std::string("'") + HARBINET_CLI + "' " + arguments + " 2>'" + errors + "'";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// The verbs reach the launcher and report through the exit status and standard error.
TEST_F(Launching, TheCliLaunchesAndReportsWhatCannotBeLaunched) {
    const std::string errors = scratch / "errors.txt";
    const std::string folder = "--folder '" + game.Own() + "' ";
    const std::string exe = game.Game() + "EAW.EXE";
    ASSERT_EQ(::rename(exe.c_str(), (exe + ".away").c_str()), 0);
    EXPECT_EQ(RunCli(folder + "launch", errors), 1);
    EXPECT_EQ(ReadFile(errors),
              "Harbinet Error: EAW executable was not found in expected path of " + exe +
                  "\nHarbinet Error: Unable to launch " + exe + "\n");

    ASSERT_EQ(::rename((exe + ".away").c_str(), exe.c_str()), 0);
    EXPECT_EQ(RunCli(folder + "launch", errors), 0);
    ASSERT_TRUE(WaitUntil([&] { return test::Exists(Log()); }));
    EXPECT_EQ(ReadFile(errors), "");
    EXPECT_EQ(RunCli(folder + "launch-app 26", errors), 2);
    EXPECT_EQ(RunCli(folder + "launch extra", errors), 2);
}

}  // namespace
}  // namespace harbinet
