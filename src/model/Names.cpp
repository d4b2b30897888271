#include "model/Names.h"

#include "platform/TextEncoding.h"

namespace harbinet {

bool IsUsableName(std::string_view name) {
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return false;
    const std::string_view trimmed = name.substr(first, name.find_last_not_of(" \t") - first + 1);
    if (trimmed[0] == '/' || trimmed[0] == '\\') return false;
    if (trimmed.size() >= 2 && trimmed[1] == ':') return false;
    for (char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return false;
    // Both separators count: the name may come from a settings file written on Windows.
    std::size_t start = 0;
    for (;;) {
        const auto end = name.find_first_of("/\\", start);
        if (name.substr(start, end - start) == "..") return false;
        if (end == std::string_view::npos) return true;
        start = end + 1;
    }
}

std::string_view TrimBlanks(std::string_view name) {
    const auto first = name.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return name.substr(first, name.find_last_not_of(" \t") - first + 1);
}

TypedNameFault CheckTypedName(std::string_view name) {
    name = TrimBlanks(name);
    if (name.empty()) return TypedNameFault::Empty;
    if (name == "." || name == "..") return TypedNameFault::NotAFolderName;
    for (char c : name)
        if (c == '/' || c == '\\' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return TypedNameFault::NotAFolderName;
    return TypedNameFault::None;
}

bool IsDigitsOnly(std::string_view name) {
    return !name.empty() && name.find_first_not_of("0123456789") == std::string_view::npos;
}

bool FitsField(std::string_view text, std::size_t characters) {
    return Utf8Length(text) <= characters && text.size() <= 255;
}

}  // namespace harbinet
