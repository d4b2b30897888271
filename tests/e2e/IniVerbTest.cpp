#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

using harbinet::test::ProgramResult;
using harbinet::test::ReadFile;
using harbinet::test::RunProgram;
using harbinet::test::TempDir;
using harbinet::test::WriteFile;

ProgramResult Cli(std::vector<std::string> args) {
    return RunProgram(HARBINET_CLI, std::move(args));
}

TEST(IniVerb, ReadsAndWritesOneValue) {
    TempDir dir;
    const std::string ini = WriteFile(dir / "game/EAW.INI", "; EAW\n[Game]\nPilot = \"Old\"\n");

    ProgramResult r = Cli({"ini", "set", ini, "game", "PILOT", "Hans Mustermann "});
    EXPECT_EQ(r.status, 0) << r.err;
    r = Cli({"ini", "set", ini, "Game", "Mode", "-17"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(ini), "; EAW\n[Game]\nPilot = Hans Mustermann \nMode=-17\n");

    EXPECT_EQ(Cli({"ini", "get", ini, "GAME", "pilot"}).out, "Hans Mustermann\n");
    EXPECT_EQ(Cli({"ini", "get", ini, "Game", "Pilot", "--size", "5"}).out, "Hans\n");
    EXPECT_EQ(Cli({"ini", "get", ini, "Game", "X", "--default", "\"d\" "}).out, "d\n");
    EXPECT_EQ(Cli({"ini", "getint", ini, "Game", "Mode"}).out, "-17\n");
    EXPECT_EQ(Cli({"ini", "getint", ini, "Game", "Pilot", "--default", "3"}).out, "0\n");
    EXPECT_EQ(Cli({"ini", "getint", dir / "none.ini", "A", "K", "--default", "-1"}).out, "-1\n");
    EXPECT_EQ(harbinet::test::ListFolder(dir / "game"), "EAW.INI");
}

TEST(IniVerb, ReportsFailuresAndBadUsage) {
    TempDir dir;
    ProgramResult r = Cli({"ini", "set", dir / "missing/EAW.INI", "A", "K", "v"});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("missing/EAW.INI"), std::string::npos) << r.err;

    const std::string f = dir / "f";
    for (std::vector<std::string> args : {std::vector<std::string>{"ini"},
                                          {"ini", "del", f, "A", "K"},
                                          {"ini", "get", f, "A"},
                                          {"ini", "set", f, "A", "K"},
                                          {"ini", "get", f, "A", "K", "--size"},
                                          {"ini", "get", f, "A", "K", "--size", "x"},
                                          {"ini", "getint", f, "A", "K", "--default", "1.5"},
                                          {"ini", "getint", f, "A", "K", "--size", "3"}}) {
        EXPECT_EQ(Cli(args).status, 2) << args.back();
    }
    EXPECT_FALSE(harbinet::test::Exists(dir / "f"));
}

}  // namespace
