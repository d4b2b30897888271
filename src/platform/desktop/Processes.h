// Starting programs on their own, for the system desktop.
#pragma once

#include <string>
#include <vector>

namespace harbinet::desktop {

// The program as exec would find it: argv0 itself when it names a path (made absolute against
// the current folder), else the first executable regular file of that name on PATH; empty when
// there is none.
std::string FindProgram(const std::string& argv0);

// Starts argv in workingFolder (none: the current folder) as a grandchild, so that it is never
// left as our zombie, with every descriptor above 2 closed and default signal handling. Returns
// once the program has been executed or has failed to be; the failure's reason goes to error.
bool SpawnDetached(const std::vector<std::string>& argv, const std::string& workingFolder,
                   std::string* error);

}  // namespace harbinet::desktop
