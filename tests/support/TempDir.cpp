#include "support/TempDir.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace fs = std::filesystem;

namespace harbinet::test {

namespace {

// Paths are UTF-8 everywhere in the program; std::filesystem takes a plain string in the
// system's code page, which on Windows cannot hold every name.
fs::path PathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
    const std::u8string s = path.generic_u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace

TempDir::TempDir() {
    const fs::path base = fs::temp_directory_path();
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path candidate = base / ("harbinet-test-" + std::to_string(random()));
        if (fs::create_directory(candidate)) {
            path_ = Utf8Of(candidate) + "/";
            return;
        }
    }
    throw std::runtime_error("no temporary folder could be made");
}

TempDir::~TempDir() {
    std::error_code ec;
    // Read-only files and folders made by a test must not stop the clean-up.
    for (auto it = fs::recursive_directory_iterator(PathOf(path_), ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(PathOf(path_), ec);
}

std::string WriteFile(const std::string& path, std::string_view bytes) {
    fs::create_directories(PathOf(path).parent_path());
    std::ofstream out(PathOf(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(PathOf(path), std::ios::binary);
    if (!in) return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return fs::exists(PathOf(path), ec);
}

void MakeFolder(const std::string& path) {
    fs::create_directories(PathOf(path));
}

bool SetWriteTime(const std::string& path, long long seconds, long nanoseconds) {
#ifdef _WIN32
    // 100 ns ticks since 1601.
    const unsigned long long ticks = static_cast<unsigned long long>(
        (seconds + 11644473600LL) * 10'000'000LL + nanoseconds / 100);
    const FILETIME time{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
    HANDLE h = ::CreateFileW(PathOf(path).c_str(), FILE_WRITE_ATTRIBUTES,
                             FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                             OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    const bool set = ::SetFileTime(h, nullptr, nullptr, &time) != 0;
    ::CloseHandle(h);
    return set;
#else
    const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(seconds), nanoseconds}};
    return ::utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
#endif
}

std::string ListFolder(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(PathOf(folder), ec)) {
        // Harbinet's lock and record of its copies belong to every game folder it served.
        const std::string name = Utf8Of(e.path().filename());
        if (name == ".harbinet.lock" || name == ".harbinet-copies") continue;
        names.push_back(name + (e.is_directory() ? "/" : ""));
    }
    return Sorted(std::move(names));
}

std::string Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    std::string out;
    for (const auto& n : names) out += (out.empty() ? "" : " ") + n;
    return out;
}

}  // namespace harbinet::test
