// Career saves made byte by byte at the fields' places (for the tests, the sample game, the
// screenshots and the benchmarks).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "careers/CareerLayout.h"

namespace harbinet {

struct CareerFields {
    std::uint16_t year = 1943;
    std::uint8_t monthIndex = 5;  // month number - 1
    std::uint8_t dayIndex = 0;    // day - 1
    std::string name1 = "Hans";   // cut to 80 bytes
    std::string name2 = "Meyer";
};

// The bytes of a save with these fields, career::kSaveLength long; the bytes before the date
// are a recognisable filler, the rest zero.
std::string EncodeCareerSave(const CareerFields& fields);

}  // namespace harbinet
