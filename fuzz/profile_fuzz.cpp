// The profile (INI) reader and writer on any text. Input: TEXT \1 SECTION \1 KEY \1 VALUE.
// A value written reads back as written, writing it again changes nothing, and every other key
// of the text reads as before.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "platform/Profile.h"

namespace {

using namespace harbinet;

// The blanks the reader trims, with the DOS end-of-file byte.
bool IsBlank(char c) {
    return (c >= 0x09 && c <= 0x0D) || c == ' ' || c == 0x1A;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    a = Trim(a);
    b = Trim(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i])) return false;
    return true;
}

// Names a line can give a header or a key; plenty for probing what a write may have disturbed.
void CollectNames(std::string_view text, std::vector<std::string_view>& sections,
                  std::vector<std::string_view>& keys) {
    while (!text.empty() && sections.size() + keys.size() < 48) {
        const std::size_t eol = text.find_first_of("\r\n");
        std::string_view line = Trim(text.substr(0, eol));
        text.remove_prefix(eol == std::string_view::npos ? text.size() : eol + 1);
        if (line.starts_with('[')) {
            const std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) sections.push_back(line.substr(1, close - 1));
        } else if (const std::size_t eq = line.find('='); eq != std::string_view::npos) {
            keys.push_back(line.substr(0, eq));
        }
    }
}

// What a text says under every probed name, a missing key told apart from an empty one.
std::vector<std::string> Snapshot(std::string_view text,
                                  const std::vector<std::string_view>& sections,
                                  const std::vector<std::string_view>& keys,
                                  std::string_view skipSection, std::string_view skipKey) {
    std::vector<std::string> values;
    for (auto s : sections)
        for (auto k : keys) {
            if (SameName(s, skipSection) && SameName(k, skipKey)) continue;
            values.push_back(profile::GetStringFromText(text, s, k, "\x02missing", 1 << 20));
        }
    return values;
}

// What the writer promises to read back: names it accepts, a value the reader will not trim
// or unquote.
bool RoundTrips(std::string_view section, std::string_view key, std::string_view value) {
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key)) return false;
    if (key.find('=') != std::string_view::npos || key.front() == ';' || key.front() == '[')
        return false;
    if (HasLineBreak(value)) return false;
    if (!value.empty()) {
        if (IsBlank(value.front()) || IsBlank(value.back())) return false;
        for (char q : {'"', '\''})
            if (value.front() == q || value.back() == q) return false;
    }
    return true;
}

// A plain decimal number the integer reader must give back exactly.
bool SmallDecimal(std::string_view v, std::int64_t& n) {
    std::size_t i = (!v.empty() && (v[0] == '-' || v[0] == '+')) ? 1 : 0;
    if (v.size() == i || v.size() - i > 9) return false;
    n = 0;
    for (std::size_t j = i; j < v.size(); ++j) {
        if (v[j] < '0' || v[j] > '9') return false;
        n = n * 10 + (v[j] - '0');
    }
    if (v[0] == '-') n = -n;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    harbinet::fuzz::Fields in(data, size);
    const std::string text(in.Next());
    const std::string section(in.Next());
    const std::string key(in.Next());
    const std::string value(in.Rest());

    // Reads of any names never go past what the caller allows.
    for (std::size_t cut : {0u, 1u, 2u, 7u}) {
        const std::string got = profile::GetStringFromText(text, section, key, value, cut);
        FUZZ_CHECK(got.size() <= (cut ? cut - 1 : 0), "size %zu read %zu bytes", cut, got.size());
    }
    (void)profile::GetIntFromText(text, section, key, -7);

    const std::string written = profile::WriteStringToText(text, section, key, value);
    if (!RoundTrips(section, key, value)) return 0;

    const std::string back = profile::GetStringFromText(written, section, key, "\x02", 1 << 20);
    FUZZ_CHECK(back == value, "wrote [%s] %s=%s, read back \"%s\"", section.c_str(), key.c_str(),
               value.c_str(), back.c_str());
    FUZZ_CHECK(profile::WriteStringToText(written, section, key, value) == written,
               "writing [%s] %s=%s twice changed the text", section.c_str(), key.c_str(),
               value.c_str());
    if (std::int64_t n; SmallDecimal(value, n)) {
        const std::uint32_t got = profile::GetIntFromText(written, section, key, 12345);
        FUZZ_CHECK(got == static_cast<std::uint32_t>(n), "wrote %s, read %u", value.c_str(), got);
    }

    std::vector<std::string_view> sections, keys;
    CollectNames(text, sections, keys);
    sections.push_back(section);
    keys.push_back(key);
    FUZZ_CHECK(Snapshot(text, sections, keys, section, key) ==
                   Snapshot(written, sections, keys, section, key),
               "writing [%s] %s=%s changed another key", section.c_str(), key.c_str(),
               value.c_str());
    return 0;
}
