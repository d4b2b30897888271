// The program's command line: the standard switches Embedding and Automation suppress the
// splash, "--folder DIR" names the folder to serve; every other argument is ignored.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace harbinet {

// False when an argument is "/Embedding", "-Embedding", "/Automation" or "-Automation",
// the switch name compared ignoring letter case.
bool SplashWanted(const std::vector<std::string>& arguments);

// DIR of "--folder DIR" or "--folder=DIR" (the last one given); none without one.
std::optional<std::string> FolderArgument(const std::vector<std::string>& arguments);

}  // namespace harbinet
