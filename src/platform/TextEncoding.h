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

// The characters of UTF-8 text: what a user counts, and what the edit fields limit.
std::size_t Utf8Length(std::string_view text);
// The first count characters of UTF-8 text, never a part of one.
std::string_view Utf8Prefix(std::string_view text, std::size_t count);

}  // namespace harbinet
