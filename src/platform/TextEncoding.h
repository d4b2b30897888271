// The game writes its texts in the Windows Western code page; the program works in UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace harbinet {

// Windows-1252 bytes as UTF-8. The five bytes the code page leaves undefined keep their value
// as code points, as Windows converts them.
std::string Cp1252ToUtf8(std::string_view text);

// Text from a file that may have been written on Windows: kept as it is when it is valid UTF-8,
// else read as Windows-1252. When the text may have been cut to a length limit, a UTF-8
// sequence cut short at its very end is dropped rather than taken for Windows-1252.
std::string Utf8OrCp1252(std::string_view text, bool mayBeCut = false);

}  // namespace harbinet
