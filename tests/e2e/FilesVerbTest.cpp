#include <gtest/gtest.h>

#include <string>

#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace {

using harbinet::test::ProgramResult;
using harbinet::test::RunProgram;
using harbinet::test::TempDir;
using harbinet::test::WriteFile;

ProgramResult RunCli(std::initializer_list<std::string> args) {
    return RunProgram(HARBINET_CLI, args);
}

TEST(FilesVerb, PrintsMatchesInSearchOrder) {
    TempDir dir;
    WriteFile(dir / "terrain/b.TER", "");
    WriteFile(dir / "terrain/A.ter", "");
    WriteFile(dir / "terrain/c.TER.bak", "");
    WriteFile(dir / "terrain/GRASS1.TPC", "");

    const std::string folder = dir / "terrain";  // no trailing "/"
    ProgramResult r = RunCli({"files", folder, "*.ter"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "A.ter\nb.TER\n");

    r = RunCli({"files", folder + "/", "gras*.tpc"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "GRASS1.TPC\n");

    r = RunCli({"files", folder, "*.3DZ"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

TEST(FilesVerb, RejectsBadUsage) {
    TempDir dir;
    EXPECT_EQ(RunCli({"files", dir.Path()}).status, 2);
    EXPECT_EQ(RunCli({"files", dir.Path(), "*", "extra"}).status, 2);
    EXPECT_EQ(RunCli({"files", dir / "missing", "*"}).status, 1);
}

}  // namespace
