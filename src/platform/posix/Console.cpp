#include "platform/Console.h"

#include <unistd.h>

namespace harbinet::console {

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

std::vector<std::string> Arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc);
}

}  // namespace harbinet::console
