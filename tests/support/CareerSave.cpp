#include "support/CareerSave.h"

#include <algorithm>

namespace harbinet {

std::string EncodeCareerSave(const CareerFields& f) {
    using namespace career;
    std::string bytes(kSaveLength, '\0');
    for (std::size_t i = 0; i < kDateOffset; ++i) bytes[i] = static_cast<char>('A' + i % 26);
    bytes[kDateOffset] = static_cast<char>(f.year & 0xFF);
    bytes[kDateOffset + 1] = static_cast<char>(f.year >> 8);
    bytes[kDateOffset + 2] = static_cast<char>(f.monthIndex);
    bytes[kDateOffset + 3] = static_cast<char>(f.dayIndex);
    bytes.replace(kNamesOffset, std::min(f.name1.size(), kNameSize), f.name1, 0, kNameSize);
    bytes.replace(kNamesOffset + kNameSize, std::min(f.name2.size(), kNameSize), f.name2, 0,
                  kNameSize);
    return bytes;
}

}  // namespace harbinet
