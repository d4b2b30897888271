#include "shell/CommandLine.h"

#include <algorithm>
#include <string_view>

namespace harbinet {

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

bool SplashWanted(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) continue;
        const std::string_view name = std::string_view(argument).substr(1);
        if (EqualsIgnoringCase(name, "Embedding") || EqualsIgnoringCase(name, "Automation"))
            return false;
    }
    return true;
}

}  // namespace harbinet
