// ini get|getint|set: one profile-file value, read or written with the program's own rules.
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <system_error>

#include "cli/Verbs.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Text.h"

namespace harbinet::cli {

namespace {

// Only regular files are profile files: a pipe would block the read, a device never end. A link
// counts as what it names.
bool RefuseSpecialFile(const std::string& file) {
    const files::FileStamp named = files::Stamp(files::RealPath(file));
    if (named.type == files::FileStamp::Type::Missing || named.IsFile()) return false;
    std::fprintf(stderr, "harbinet-cli: '%s' is not a regular file\n", EscapeForLine(file).c_str());
    return true;
}

template <typename T>
bool ParseNumber(const std::string& text, T& out) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && ptr == end && !text.empty();
}

}  // namespace

int IniVerb(const Invocation& inv) {
    const auto& a = inv.args;
    if (a.empty()) return UsageError("ini needs get, getint or set");
    const std::string& op = a[0];
    if (op == "set") {
        if (a.size() != 5) return UsageError("usage: ini set FILE SECTION KEY VALUE");
        if (RefuseSpecialFile(a[1])) return 1;
        if (!profile::WriteString(a[1], a[2], a[3], a[4])) {
            std::fprintf(stderr, "harbinet-cli: could not write [%s] %s to %s\n",
                         EscapeForLine(a[2]).c_str(), EscapeForLine(a[3]).c_str(),
                         EscapeForLine(a[1]).c_str());
            return 1;
        }
        return 0;
    }
    if (op != "get" && op != "getint") return UsageError("unknown ini operation '" + op + "'");
    if (a.size() < 4) return UsageError("usage: ini " + op + " FILE SECTION KEY [options]");

    std::string defaultText;
    std::int32_t defaultInt = 0;
    std::size_t size = 256;
    for (std::size_t i = 4; i < a.size(); ++i) {
        if (i + 1 >= a.size()) return UsageError("'" + a[i] + "' needs a value");
        const std::string& v = a[++i];
        if (a[i - 1] == "--default") {
            if (op == "get") {
                defaultText = v;
            } else if (!ParseNumber(v, defaultInt)) {
                return UsageError("--default needs a signed 32-bit number, not '" + v + "'");
            }
        } else if (a[i - 1] == "--size" && op == "get") {
            if (!ParseNumber(v, size)) return UsageError("--size needs a count, not '" + v + "'");
        } else {
            return UsageError("unknown option '" + a[i - 1] + "' for ini " + op);
        }
    }

    if (RefuseSpecialFile(a[1])) return 1;
    if (op == "get") {
        std::string value = profile::GetString(a[1], a[2], a[3], defaultText, size);
        std::fwrite(value.data(), 1, value.size(), stdout);
        std::fputc('\n', stdout);
    } else {
        auto value = static_cast<std::int32_t>(profile::GetInt(a[1], a[2], a[3], defaultInt));
        std::printf("%d\n", value);
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace harbinet::cli
