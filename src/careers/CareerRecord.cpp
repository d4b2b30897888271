#include "careers/CareerRecord.h"

#include <cerrno>
#include <cstring>

#include "careers/CareerLayout.h"
#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/TextEncoding.h"

namespace harbinet {

namespace {

// The name up to its NUL, from the game's code page into the program's UTF-8.
std::string TextOf(const unsigned char* field, std::size_t size) {
    const void* nul = std::memchr(field, 0, size);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - field) : size;
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(field), length));
}

}  // namespace

bool CareerRecord::ReadCareerFile(const std::string& path, int* error) {
    using namespace career;
    // Bytes beyond the end of a short save stay zero. A stray pipe named like a save cannot
    // hang the program: it fails as a socket fails to open.
    unsigned char date[4] = {};
    unsigned char names[2 * kNameSize] = {};
    if (const int failure = files::ReadFileParts(
            path, {{kDateOffset, date, sizeof date}, {kNamesOffset, names, sizeof names}});
        failure != 0) {
        if (error) *error = failure;
        return false;
    }

    packedDate_ = static_cast<std::uint32_t>(date[0]) | static_cast<std::uint32_t>(date[1]) << 8 |
                  static_cast<std::uint32_t>(date[2]) << 16 |
                  static_cast<std::uint32_t>(date[3]) << 24;
    namePart2_ = TextOf(names + kNameSize, kNameSize);
    namePart1_ = TextOf(names, kNameSize);
    return true;
}

namespace {

// "January" .. "December" for 1..12, "Month" for any other number.
const char* MonthName(int month) {
    static const char* const kNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kNames[month - 1] : "Month";
}

}  // namespace

std::string CareerDateText(const CareerRecord& record) {
    return Format("%d %s, %hu", record.Day(), MonthName(record.Month()), record.Year());
}

std::string CareerNameText(const CareerRecord& record) {
    return Format("%s, %s", record.NamePart2().c_str(), record.NamePart1().c_str());
}

std::string CareerLineText(const CareerRecord& record) {
    return Format("%s  %s", CareerDateText(record).c_str(), CareerNameText(record).c_str());
}

std::string CareerOpenFailureText(const std::string& path, int error) {
    if (error == EACCES || error == EPERM) return {};
    return Format(text::kOpenFailed, path.c_str(), static_cast<unsigned>(error));
}

}  // namespace harbinet
