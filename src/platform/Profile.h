// Profile files: the INI format of the settings file, the game's EAW.INI and the skin
// catalogue, read and written with the Windows profile-file rules the data were made with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Files.h"

namespace harbinet::profile {

// A profile file larger than this is not read: it reads as an unreadable file. No settings file
// comes near it, and a link to /dev/zero or a huge sparse file must not fill the memory.
inline constexpr std::size_t kMaxFileSize = 16u << 20;

// The bytes of a profile file; false when it is missing, no regular file or above kMaxFileSize.
bool ReadFile(const std::string& file, std::string& text);

// An exclusive lock, held while it lives, on the folder of a file, for a read-modify-write of
// the file that another process may be doing too. Without a lock (a folder that cannot be
// opened) the write still goes ahead, unlocked: the user's change is not lost for want of it.
class WriteLock {
  public:
    explicit WriteLock(const std::string& file);

  private:
    files::FolderLock folder_;
};

// Reads a text value. At most size-1 characters come back (size 0 or 1 gives the empty text).
// A missing file, section or key gives the default (unquoted, trailing blanks dropped).
std::string GetString(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view defaultValue, std::size_t size = 256);

// Reads an integer the Windows way: the default for a missing or empty value, otherwise leading
// blanks, an optional sign and the decimal digits up to the first other character (none: 0),
// wrapped to 32 bits. Callers read it as signed or unsigned as the key needs.
std::uint32_t GetInt(const std::string& file, std::string_view section, std::string_view key,
                     std::int32_t defaultValue);

// One value of a profile file.
struct Entry {
    std::string section, key, value;
};

// Writes values in order, creating the file, sections and keys as needed, in one read-modify-
// write: only the bytes that must change are changed, and the file is replaced atomically. False
// when the file could not be written (or is there but cannot be read); the old file is then left
// exactly as it was. It holds a WriteLock meanwhile, so that two processes writing different
// keys of one file keep both. `after` gets the file's text once written.
bool Update(const std::string& file, const std::vector<Entry>& entries,
            std::string* after = nullptr);
bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view value);

// The same rules over text already in memory, for callers that read many keys of one file.
std::string GetStringFromText(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t size = 256);
std::uint32_t GetIntFromText(std::string_view text, std::string_view section, std::string_view key,
                             std::int32_t defaultValue);
// The file text after the write; unchanged when the value is already there.
std::string WriteStringToText(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value);

}  // namespace harbinet::profile
