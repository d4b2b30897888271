#include "platform/FileNames.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::files {

bool NameBefore(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(LowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(LowerAscii(b[i]));
        if (x != y) return x < y;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;
}

std::string FolderOf(std::string_view path, std::string_view separators) {
    const auto last = path.find_last_of(separators);
    return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string NameOf(std::string_view path) {
    return std::string(path.substr(path.rfind('/') + 1));
}

std::string ResolveName(const std::string& folder, std::string_view name) {
    // Each component of a relative name is looked up as Windows would.
    std::string resolved = folder;
    for (;;) {
        const auto slash = name.find('/');
        if (slash == std::string_view::npos) return ResolveComponent(resolved, name);
        resolved = ResolveComponent(resolved, name.substr(0, slash)) + "/";
        name.remove_prefix(slash + 1);
    }
}

std::string TemporaryName(long processId, unsigned long long random) {
    char name[64];
    std::snprintf(name, sizeof name, ".harbinet-%ld-%016llx.tmp", processId, random);
    return name;
}

namespace {

bool AllOf(std::string_view s, std::size_t count, bool (*ok)(char)) {
    return s.size() == count && std::all_of(s.begin(), s.end(), ok);
}

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<long> TemporaryNameOwner(std::string_view name) {
    constexpr std::string_view kPrefix = ".harbinet-", kSuffix = ".tmp";
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return std::nullopt;
    name = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    const auto dash = name.find('-');
    if (dash == std::string_view::npos || !AllOf(name.substr(dash + 1), 16, IsHexDigit))
        return std::nullopt;
    const std::string_view digits = name.substr(0, dash);
    if (digits.empty() || digits.size() > 9 || digits.front() == '0' ||
        !std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    return std::strtol(std::string(digits).c_str(), nullptr, 10);
}

bool SameBytes(const ReadFully& x, const ReadFully& y) {
    constexpr std::size_t kFirst = 1 << 14, kLargest = 1 << 18;
    // Kept for the thread's next compare: fresh buffers cost a page fault per page.
    thread_local const std::unique_ptr<char[]> bx(new char[kLargest]), by(new char[kLargest]);
    for (std::size_t chunk = kFirst;; chunk = std::min(chunk * 4, kLargest)) {
        const long long n = x(bx.get(), chunk);
        if (n < 0 || y(by.get(), chunk) != n) return false;
        if (n == 0) return true;
        if (std::memcmp(bx.get(), by.get(), static_cast<std::size_t>(n)) != 0) return false;
    }
}

}  // namespace harbinet::files
