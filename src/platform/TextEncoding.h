// The game writes its texts in the Windows Western code page; the program works in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace harbinet {

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined keep their value
// as code points, as Windows converts them.
std::string Cp1252ToUtf8(std::string_view text);

}  // namespace harbinet
