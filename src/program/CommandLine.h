// The program's command line: only the standard switches Embedding and Automation matter, and
// only in that they suppress the splash; every other argument is ignored.
#pragma once

#include <string>
#include <vector>

namespace harbinet {

// False when an argument is "/Embedding", "-Embedding", "/Automation" or "-Automation",
// the switch name compared ignoring letter case.
bool SplashWanted(const std::vector<std::string>& arguments);

}  // namespace harbinet
