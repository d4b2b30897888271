// Starting programs on their own, for the system desktop.
#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace harbinet::desktop {

// The program as exec would find it: argv0 itself when it names a path (made absolute against
// the current folder), else the first executable regular file of that name on PATH; empty when
// there is none.
std::string FindProgram(const std::string& argv0);

// Starts argv in workingFolder (none: the current folder) as a grandchild, so that it is never
// left as our zombie, with the null device as standard input, output and error, every other
// descriptor closed and default signal handling. Returns once the program has been executed or
// has failed to be; the failure's reason goes to error.
bool SpawnDetached(const std::vector<std::string>& argv, const std::string& workingFolder,
                   std::string* error);

// Runs argv in place of this process (exec; argv[0] found as FindProgram finds it): standard
// input, output and error, the environment and the current folder are inherited. Returns only
// when that failed, with the errno value.
int ReplaceProcess(const std::vector<std::string>& argv);

// How a program started by SpawnWatched stood when the wait was over.
struct ProgramEnd {
    bool running = true;  // it had not ended yet
    int status = 0;       // its wait status, once it has ended
};

// Starts argv like SpawnDetached, under a watcher process of its own that reaps it and reports
// its end, and waits at most `wait` for that end. False with the reason only when it could not
// be started; how it ended (or that it still runs) goes to end.
bool SpawnWatched(const std::vector<std::string>& argv, const std::string& workingFolder,
                  std::chrono::milliseconds wait, ProgramEnd* end, std::string* error);

}  // namespace harbinet::desktop
