// The career reader on saves of any content and length. The input is the part of a save the
// program reads: 4 date bytes, then the two 80-byte name fields. It is laid at the fields'
// offsets of a sparse file that ends where the input ends, so a short input is a save cut
// short inside its fields. The date comes back as stored, the names up to their NUL (zero
// bytes past the end), and the texts made from them are whole UTF-8.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "careers/CareerLayout.h"
#include "careers/CareerRecord.h"

namespace {

using namespace harbinet;

bool WriteAt(int fd, std::string_view bytes, std::size_t offset) {
    return ::pwrite(fd, bytes.data(), bytes.size(), static_cast<off_t>(offset)) ==
           static_cast<ssize_t>(bytes.size());
}

// Whole UTF-8 with as many code points as the field had bytes (each Windows-1252 byte is one),
// ASCII kept as it was.
void CheckName(const std::string& got, std::string_view field) {
    field = field.substr(0, std::min(field.find('\0'), career::kNameSize));
    std::size_t i = 0, points = 0;
    while (i < got.size()) {
        const auto c = static_cast<unsigned char>(got[i]);
        const std::size_t len = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : 0;
        FUZZ_CHECK(len && i + len <= got.size(), "name \"%s\" is not UTF-8", got.c_str());
        for (std::size_t k = 1; k < len; ++k)
            FUZZ_CHECK((static_cast<unsigned char>(got[i + k]) >> 6) == 0x2,
                       "name \"%s\" is not UTF-8", got.c_str());
        if (len == 1 && points < field.size())
            FUZZ_CHECK(got[i] == field[points], "ASCII changed in name \"%s\"", got.c_str());
        i += len;
        ++points;
    }
    FUZZ_CHECK(points == field.size(), "name of %zu bytes read as %zu characters", field.size(),
               points);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t kFields = 4 + 2 * career::kNameSize;
    const std::string_view date = input.substr(0, 4);
    const std::string_view names = input.substr(std::min<std::size_t>(4, size), kFields - 4);

    const std::string path = harbinet::fuzz::ScratchFolder() + "CAREER.SVE";
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    FUZZ_CHECK(fd >= 0, "cannot write %s", path.c_str());
    const std::size_t length =
        names.empty() ? career::kDateOffset + date.size() : career::kNamesOffset + names.size();
    const bool written = WriteAt(fd, date, career::kDateOffset) &&
                         WriteAt(fd, names, career::kNamesOffset) &&
                         ::ftruncate(fd, static_cast<off_t>(length)) == 0;
    ::close(fd);
    FUZZ_CHECK(written, "cannot write %s", path.c_str());

    CareerRecord record;
    int error = 0;
    FUZZ_CHECK(record.ReadCareerFile(path, &error), "read failed (errno %d)", error);

    unsigned char d[4] = {};
    if (!date.empty()) std::memcpy(d, date.data(), date.size());
    const std::uint32_t packed = d[0] | d[1] << 8 | d[2] << 16 | std::uint32_t{d[3]} << 24;
    FUZZ_CHECK(record.PackedDate() == packed, "date %08x read as %08x", packed,
               record.PackedDate());
    FUZZ_CHECK(record.Year() == (d[0] | d[1] << 8) && record.Month() == (d[2] & 0x7F) + 1 &&
                   record.Day() == (d[3] & 0x7F) + 1,
               "date fields of %08x", packed);

    std::string fields(names);
    fields.resize(2 * career::kNameSize, '\0');
    CheckName(record.NamePart1(), std::string_view(fields).substr(0, career::kNameSize));
    CheckName(record.NamePart2(), std::string_view(fields).substr(career::kNameSize));

    const std::string line = CareerLineText(record);
    FUZZ_CHECK(line == CareerDateText(record) + "  " + CareerNameText(record), "line \"%s\"",
               line.c_str());
    FUZZ_CHECK(line.find('\0') == std::string::npos, "line \"%s\" holds a NUL", line.c_str());
    return 0;
}
