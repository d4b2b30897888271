#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "support/TempDir.h"

namespace {

using harbinet::test::TempDir;
using harbinet::test::WriteFile;

struct Result {
    int status = -1;
    std::string out;
};

// Runs the CLI through the shell with each argument single-quoted; standard error is dropped.
Result RunCli(std::initializer_list<std::string> args) {
    std::string command = HARBINET_CLI;
    for (const auto& a : args) command += " '" + a + "'";
    command += " 2>/dev/null";
    Result r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(FilesVerb, PrintsMatchesInSearchOrder) {
    TempDir dir;
    WriteFile(dir / "terrain/b.TER", "");
    WriteFile(dir / "terrain/A.ter", "");
    WriteFile(dir / "terrain/c.TER.bak", "");
    WriteFile(dir / "terrain/GRASS1.TPC", "");

    const std::string folder = dir / "terrain";  // no trailing "/"
    Result r = RunCli({"files", folder, "*.ter"});
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
