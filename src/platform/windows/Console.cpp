#include "platform/Console.h"

#include "platform/windows/WinApi.h"
// After windows.h.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

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
    LPWSTR* wide = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::string> arguments;
    for (int i = 1; wide && i < count; ++i) arguments.push_back(win::Narrow(wide[i]));
    ::LocalFree(wide);
    return arguments;
}

}  // namespace harbinet::console
