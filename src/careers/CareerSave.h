// Where the game keeps the fields the program reads in a career save, and saves made byte by
// byte with them (for the sample game, the screenshots and the tests).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace harbinet {

namespace career {
inline constexpr std::size_t kDateOffset = 0x220B1;   // year (16 bits LE), month index, day index
inline constexpr std::size_t kNamesOffset = 0x22F11;  // two 80-byte NUL-terminated names
inline constexpr std::size_t kNameSize = 80;
inline constexpr std::size_t kSaveLength = kNamesOffset + 2 * kNameSize;  // all fields present
}  // namespace career

struct CareerFields {
    std::uint16_t year = 1943;
    std::uint8_t monthIndex = 5;  // month number - 1
    std::uint8_t dayIndex = 0;    // day - 1
    std::string name1 = "Hans";   // cut to 80 bytes
    std::string name2 = "Meyer";
};

// The bytes of a save with these fields, career::kSaveLength long unless another length is
// asked for; the bytes before the date are a recognisable filler, the rest zero.
std::string EncodeCareerSave(const CareerFields& fields, std::size_t length = career::kSaveLength);

}  // namespace harbinet
