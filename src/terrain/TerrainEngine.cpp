#include "terrain/TerrainEngine.h"

namespace harbinet::terrain {

void ForEachPattern(std::string_view list, const std::function<void(std::string_view)>& action) {
    for (;;) {
        auto comma = list.find(',');
        if (comma == std::string_view::npos) {
            action(list);
            return;
        }
        action(list.substr(0, comma));
        list.remove_prefix(comma + 1);
    }
}

bool TakesEveryFile(std::string_view list) {
    bool every = false;
    ForEachPattern(list, [&](std::string_view pattern) {
        // Trailing blanks are dropped by the search, so "* " is "*".
        const auto end = pattern.find_last_not_of(' ');
        if (end == std::string_view::npos) return;
        pattern = pattern.substr(0, end + 1);
        if (pattern.find('*') != std::string_view::npos &&
            pattern.find_first_not_of("*?.") == std::string_view::npos)
            every = true;
    });
    return every;
}

}  // namespace harbinet::terrain
