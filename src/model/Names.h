// Names from the settings file that become folder or file names in Harbinet's stores.
#pragma once

#include <string_view>

namespace harbinet {

// False for a name that would not stay inside the store it is used in, or is no name at all:
// empty after trimming blanks, absolute ("/", "\" or a drive letter), with a ".." component, or
// with control characters.
bool IsUsableName(std::string_view name);

}  // namespace harbinet
