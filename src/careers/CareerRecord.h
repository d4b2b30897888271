// One career save of the game: the names and date read from it, and the texts made from them.
#pragma once

#include <cstdint>
#include <string>

namespace harbinet {

class CareerRecord {
  public:
    CareerRecord() = default;
    CareerRecord(const CareerRecord&) = default;
    CareerRecord& operator=(const CareerRecord&) = default;
    virtual ~CareerRecord() = default;

    // Reads the 164 bytes of the fields by two positioned reads; bytes beyond the end of a
    // short file read as zero. When the file cannot be opened, or is no regular file, the
    // record keeps what it held, false comes back and error holds the system's reason (errno;
    // ENXIO for a pipe or device).
    bool ReadCareerFile(const std::string& path, int* error = nullptr);

    int Day() const { return static_cast<int>((packedDate_ >> 24) & 0x7F) + 1; }
    int Month() const { return static_cast<int>((packedDate_ >> 16) & 0x7F) + 1; }
    std::uint16_t Year() const { return static_cast<std::uint16_t>(packedDate_ & 0xFFFF); }
    std::string NamePart1() const { return namePart1_; }
    std::string NamePart2() const { return namePart2_; }
    std::uint32_t PackedDate() const { return packedDate_; }

  private:
    std::string namePart1_, namePart2_;
    std::uint32_t packedDate_ = 0;
};

// "3 September, 1943"
std::string CareerDateText(const CareerRecord& record);
// The second name part first: "Meyer, Hans".
std::string CareerNameText(const CareerRecord& record);
// Date text, two blanks, name text.
std::string CareerLineText(const CareerRecord& record);

// A failed read as the user is told of it; empty when it is not told (access denied).
std::string CareerOpenFailureText(const std::string& path, int error);

}  // namespace harbinet
