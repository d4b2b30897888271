// The terminal a command-line program writes to.
#pragma once

#include <string>
#include <vector>

namespace harbinet::console {

// True when standard error is a terminal: someone watches, and a line may be redrawn in place.
bool StandardErrorIsTerminal();

// The program's arguments after its name, in UTF-8 whatever the system's code page. Called once
// at the start of a command-line program: its output is then written byte for byte, lines
// ending in "\n" on every system, as scripts read them.
std::vector<std::string> Arguments(int argc, char** argv);

}  // namespace harbinet::console
