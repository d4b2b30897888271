// Names from the settings file that become folder or file names in Harbinet's stores.
#pragma once

#include <string_view>

namespace harbinet {

// False for a name that would not stay inside the store it is used in, or is no name at all:
// empty after trimming blanks, absolute ("/", "\" or a drive letter), with a ".." component, or
// with control characters.
bool IsUsableName(std::string_view name);

// True for a name of digits only, which the skin catalogue uses for its records.
bool IsDigitsOnly(std::string_view name);

// Text an edit field takes: at most `characters` characters, and within the 255 bytes the
// settings file gives back of a value.
bool FitsField(std::string_view text, std::size_t characters);

// A name without its leading and trailing blanks (spaces and tabs).
std::string_view TrimBlanks(std::string_view name);

// What keeps a name the user types for a new store folder from being used. Stricter than
// IsUsableName, which must accept what older settings files hold: the name must be one folder
// name (no "/" or "\", not "." or "..", no control characters). The name is taken as trimmed.
enum class TypedNameFault { None, Empty, NotAFolderName };
TypedNameFault CheckTypedName(std::string_view name);

}  // namespace harbinet
