// Where the game keeps the fields the program reads in a career save.
#pragma once

#include <cstddef>

namespace harbinet::career {

inline constexpr std::size_t kDateOffset = 0x220B1;   // year (16 bits LE), month index, day index
inline constexpr std::size_t kNamesOffset = 0x22F11;  // two 80-byte NUL-terminated names
inline constexpr std::size_t kNameSize = 80;
inline constexpr std::size_t kSaveLength = kNamesOffset + 2 * kNameSize;  // all fields present

}  // namespace harbinet::career
