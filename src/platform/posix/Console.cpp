#include "platform/Console.h"

#include <unistd.h>

namespace harbinet::console {

bool StandardErrorIsTerminal() {
    return ::isatty(STDERR_FILENO) == 1;
}

}  // namespace harbinet::console
