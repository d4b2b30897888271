#include "program/CommandLine.h"

#include <string_view>

#include "platform/Text.h"

namespace harbinet {

bool SplashWanted(const std::vector<std::string>& arguments) {
    for (const std::string& argument : arguments) {
        if (argument.empty() || (argument[0] != '/' && argument[0] != '-')) continue;
        const std::string_view name = std::string_view(argument).substr(1);
        if (EqualIgnoringCase(name, "Embedding") || EqualIgnoringCase(name, "Automation"))
            return false;
    }
    return true;
}

std::optional<std::string> FolderArgument(const std::vector<std::string>& arguments) {
    constexpr std::string_view kSwitch = "--folder";
    std::optional<std::string> folder;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == kSwitch && i + 1 < arguments.size())
            folder = arguments[++i];
        else if (a.starts_with(kSwitch) && a.size() > kSwitch.size() && a[kSwitch.size()] == '=')
            folder = a.substr(kSwitch.size() + 1);
    }
    return folder;
}

}  // namespace harbinet
