// A temporary folder tree for one test, removed afterwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace harbinet::test {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in "/".
    const std::string& Path() const { return path_; }
    std::string operator/(std::string_view relative) const { return path_ + std::string(relative); }

  private:
    std::string path_;
};

// Writes a file (creating its folders); returns its path.
std::string WriteFile(const std::string& path, std::string_view bytes);
// The file's bytes, or "<missing>" when it cannot be read.
std::string ReadFile(const std::string& path);
bool Exists(const std::string& path);
void MakeFolder(const std::string& path);
// Sets the last-write time (since 1970), leaving the access time; false when that failed.
bool SetWriteTime(const std::string& path, long long seconds, long nanoseconds = 0);
// Names in a folder, sorted, folders marked with a trailing "/"; Harbinet's lock and record of
// copies are left out.
std::string ListFolder(const std::string& folder);
// The names sorted, a blank between them.
std::string Sorted(std::vector<std::string> names);

}  // namespace harbinet::test
