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

}  // namespace harbinet
