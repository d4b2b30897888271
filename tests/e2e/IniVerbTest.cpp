#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace {

using harbinet::test::ReadFile;
using harbinet::test::TempDir;
using harbinet::test::WriteFile;

struct Outcome {
    int status = -1;
    std::string out, err;
};

// Runs the CLI without a shell, so arguments reach it exactly as given.
Outcome Cli(const TempDir& dir, std::vector<std::string> args) {
    args.insert(args.begin(), HARBINET_CLI);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    const std::string out = dir / "stdout", err = dir / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    Outcome r;
    pid_t pid = 0;
    if (posix_spawn(&pid, HARBINET_CLI, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

TEST(IniVerb, ReadsAndWritesOneValue) {
    TempDir dir;
    const std::string ini = WriteFile(dir / "game/EAW.INI", "; EAW\n[Game]\nPilot = \"Old\"\n");

    Outcome r = Cli(dir, {"ini", "set", ini, "game", "PILOT", "Hans Mustermann "});
    EXPECT_EQ(r.status, 0) << r.err;
    r = Cli(dir, {"ini", "set", ini, "Game", "Mode", "-17"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(ini), "; EAW\n[Game]\nPilot = Hans Mustermann \nMode=-17\n");

    EXPECT_EQ(Cli(dir, {"ini", "get", ini, "GAME", "pilot"}).out, "Hans Mustermann\n");
    EXPECT_EQ(Cli(dir, {"ini", "get", ini, "Game", "Pilot", "--size", "5"}).out, "Hans\n");
    EXPECT_EQ(Cli(dir, {"ini", "get", ini, "Game", "X", "--default", "\"d\" "}).out, "d\n");
    EXPECT_EQ(Cli(dir, {"ini", "getint", ini, "Game", "Mode"}).out, "-17\n");
    EXPECT_EQ(Cli(dir, {"ini", "getint", ini, "Game", "Pilot", "--default", "3"}).out, "0\n");
    EXPECT_EQ(Cli(dir, {"ini", "getint", dir / "none.ini", "A", "K", "--default", "-1"}).out,
              "-1\n");
    EXPECT_EQ(harbinet::test::ListFolder(dir / "game"), "EAW.INI");
}

TEST(IniVerb, ReportsFailuresAndBadUsage) {
    TempDir dir;
    Outcome r = Cli(dir, {"ini", "set", dir / "missing/EAW.INI", "A", "K", "v"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing/EAW.INI"), std::string::npos) << r.err;

    for (std::vector<std::string> args : {std::vector<std::string>{"ini"},
                                          {"ini", "del", "f", "A", "K"},
                                          {"ini", "get", "f", "A"},
                                          {"ini", "set", "f", "A", "K"},
                                          {"ini", "get", "f", "A", "K", "--size"},
                                          {"ini", "get", "f", "A", "K", "--size", "x"},
                                          {"ini", "getint", "f", "A", "K", "--default", "1.5"},
                                          {"ini", "getint", "f", "A", "K", "--size", "3"}}) {
        EXPECT_EQ(Cli(dir, args).status, 2) << args.back();
    }
    EXPECT_FALSE(harbinet::test::Exists(dir / "f"));
}

}  // namespace
