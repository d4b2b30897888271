#include "careers/CareerRecord.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "careers/CareerLayout.h"
#include "model/Strings.h"
#include "platform/TextEncoding.h"

namespace harbinet {

namespace {

// Fills the buffer from the offset as far as the file goes; the rest stays zero.
void ReadAt(int fd, unsigned char* buffer, std::size_t size, off_t offset) {
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::pread(fd, buffer + done, size - done, offset + static_cast<off_t>(done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

// The name up to its NUL, from the game's code page into the program's UTF-8.
std::string TextOf(const unsigned char* field, std::size_t size) {
    const void* nul = std::memchr(field, 0, size);
    const std::size_t length =
        nul ? static_cast<std::size_t>(static_cast<const unsigned char*>(nul) - field) : size;
    return Cp1252ToUtf8(std::string_view(reinterpret_cast<const char*>(field), length));
}

}  // namespace

bool CareerRecord::ReadCareerFile(const std::string& path, int* error) {
    // Non-blocking, so that a stray pipe named like a save cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (error) *error = errno;
        return false;
    }
    // A pipe or device holds no save; it fails as a socket fails to open.
    struct stat st;
    const bool statted = ::fstat(fd, &st) == 0;
    if (!statted || !S_ISREG(st.st_mode)) {
        if (error) *error = statted ? ENXIO : errno;
        ::close(fd);
        return false;
    }

    using namespace career;
    unsigned char date[4] = {};
    unsigned char names[2 * kNameSize] = {};
    ReadAt(fd, date, sizeof date, static_cast<off_t>(kDateOffset));
    ReadAt(fd, names, sizeof names, static_cast<off_t>(kNamesOffset));
    ::close(fd);

    packedDate_ = static_cast<std::uint32_t>(date[0]) | static_cast<std::uint32_t>(date[1]) << 8 |
                  static_cast<std::uint32_t>(date[2]) << 16 |
                  static_cast<std::uint32_t>(date[3]) << 24;
    namePart2_ = TextOf(names + kNameSize, kNameSize);
    namePart1_ = TextOf(names, kNameSize);
    filePath_ = path;
    return true;
}

const char* MonthName(int month) {
    static const char* const kNames[] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
    return month >= 1 && month <= 12 ? kNames[month - 1] : "Month";
}

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
