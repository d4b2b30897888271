// The terminal a command-line program writes to.
#pragma once

namespace harbinet::console {

// True when standard error is a terminal: someone watches, and a line may be redrawn in place.
bool StandardErrorIsTerminal();

}  // namespace harbinet::console
