// Runs a program as a script would and collects its exit status and output.
#pragma once

#include <sys/wait.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "support/TempDir.h"

namespace harbinet::test {

struct ProgramResult {
    int status = -1;  // exit status, -1 when it did not exit normally
    std::string out;  // standard output
    std::string err;  // standard error
};

// Each argument is single-quoted for the shell (arguments must not contain a quote).
inline ProgramResult RunProgram(const std::string& program,
                                std::initializer_list<std::string> args) {
    TempDir scratch;
    std::string command = "'" + program + "'";
    for (const auto& a : args) command += " '" + a + "'";
    command += " 2>'" + scratch / "stderr" + "'";
    ProgramResult r;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) r.out.append(buf, n);
    const int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    r.err = ReadFile(scratch / "stderr");
    return r;
}

}  // namespace harbinet::test
