// Whether a file is a program this system can run by itself.
#pragma once

#include <string>

namespace harbinet::files {

// A regular file (or a link to one) that the user may execute.
bool IsExecutableFile(const std::string& path);

// The file name of the program called name on this system ("harbinet", "harbinet.exe").
std::string ProgramFileName(const std::string& name);

}  // namespace harbinet::files
