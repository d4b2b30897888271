#include "platform/Console.h"

#include "platform/windows/WinApi.h"
// After windows.h.
#include <fcntl.h>
#include <io.h>

#include <cstdio>

// The C runtime's own split of the wide command line (msvcrt, loaded anyway).
extern "C" int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expand,
                              void* startInfo);

namespace harbinet::console {

bool StandardErrorIsTerminal() {
    return ::_isatty(::_fileno(stderr)) != 0;
}

std::vector<std::string> Arguments(int, char**) {
    // main's argv is in the ANSI code page, which cannot hold every name: the wide command line
    // can.
    ::_setmode(::_fileno(stdout), _O_BINARY);
    ::_setmode(::_fileno(stderr), _O_BINARY);
    int count = 0;
    wchar_t** wide = nullptr;
    wchar_t** environment = nullptr;
    int startInfo[1] = {0};  // _startupinfo: the new-handler mode alone
    std::vector<std::string> arguments;
    if (__wgetmainargs(&count, &wide, &environment, 0, startInfo) < 0) return arguments;
    for (int i = 1; wide && i < count; ++i) arguments.push_back(win::Narrow(wide[i]));
    return arguments;
}

}  // namespace harbinet::console
