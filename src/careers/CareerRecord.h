// The game's career saves: the names and date read from one save, the texts made from them,
// and the listing of the saves in the game's "Savedata" folder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "shell/FrameServices.h"

namespace harbinet {

class CareerRecord {
  public:
    // Where the game keeps the fields in a save.
    static constexpr long kDateOffset = 0x220B1;   // year (16 bits LE), month index, day index
    static constexpr long kNamesOffset = 0x22F11;  // two 80-byte NUL-terminated names
    static constexpr std::size_t kNameSize = 80;

    CareerRecord() = default;
    CareerRecord(const CareerRecord&) = default;
    CareerRecord& operator=(const CareerRecord&) = default;
    virtual ~CareerRecord() = default;

    // Reads the 164 bytes of the fields by two positioned reads; bytes beyond the end of a
    // short file read as zero. On an open failure the user is told (unless access is denied),
    // false comes back and the record keeps what it held.
    bool ReadCareerFile(const std::string& path, FrameServices& ui);

    int Day() const { return static_cast<int>((packedDate_ >> 24) & 0x7F) + 1; }
    int Month() const { return static_cast<int>((packedDate_ >> 16) & 0x7F) + 1; }
    std::uint16_t Year() const { return static_cast<std::uint16_t>(packedDate_ & 0xFFFF); }
    std::string NamePart1() const { return namePart1_; }
    std::string NamePart2() const { return namePart2_; }
    const std::string& FilePath() const { return filePath_; }
    std::uint32_t PackedDate() const { return packedDate_; }

  private:
    std::string namePart1_, namePart2_, filePath_;
    std::uint32_t packedDate_ = 0;
};

// "January" .. "December" for 1..12, "Month" for any other number.
const char* MonthName(int month);
// "3 September, 1943"
std::string CareerDateText(const CareerRecord& record);
// The second name part first: "Meyer, Hans".
std::string CareerNameText(const CareerRecord& record);
// Date text, two blanks, name text.
std::string CareerLineText(const CareerRecord& record);

struct CareerFile {
    std::string path;
    files::FileTime lastWrite = 0;
};

// The career saves, gameFolder + "Savedata/*.SVE", in search order (names ignoring case),
// with their last-write times. Contents are not read; folders are skipped.
std::vector<CareerFile> ListCareerFiles(const std::string& gameFolder);

}  // namespace harbinet
