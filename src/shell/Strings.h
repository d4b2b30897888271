// The program's own words: captions and messages of the string table.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace harbinet {

namespace text {
inline constexpr const char* kProgramTitle = "Harbinet";
inline constexpr const char* kProgramVersionTitle = "Harbinet 2.2b";
inline constexpr const char* kCaptionError = "Harbinet Error";
inline constexpr const char* kCaptionInstall = "Harbinet Install";
inline constexpr const char* kCaptionUpgrade = "Harbinet Upgrade";
inline constexpr const char* kGameWindowTitle = "European Air War";
inline constexpr const char* kGameNotFound = "EAW executable was not found in expected path of %s";
inline constexpr const char* kUnableToLaunch = "Unable to launch %s";
inline constexpr const char* kNoTimer = "Unable to create a Timer - Cannot use Automatic Mode";
inline constexpr const char* kOpenFailed = "Open of file %s failed (error = 0x%x)";
inline constexpr const char* kBadFileTypes =
    "The file types specified for %s are invalid or incorrectly formatted";
inline constexpr const char* kNoCurrentCareer = "No Current Career";
}  // namespace text

// printf-style formatting of the string table's texts.
template <typename... Args>
std::string Format(const char* format, Args... args) {
    int n = std::snprintf(nullptr, 0, format, args...);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    std::snprintf(out.data(), out.size() + 1, format, args...);
    return out;
}

}  // namespace harbinet
