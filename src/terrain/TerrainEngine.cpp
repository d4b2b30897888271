#include "terrain/TerrainEngine.h"

#include "platform/Files.h"

namespace harbinet::terrain {

void DeleteMatchingFiles(const std::string& folder, std::optional<std::string_view> pattern) {
    for (const auto& found : files::FindFiles(folder, pattern.value_or(kDefaultPattern))) {
        if (!found.folder) files::DeleteFile(found.path);
    }
}

std::vector<std::string> CopyMatchingFiles(const std::string& source, const std::string& target,
                                           std::optional<std::string_view> pattern) {
    const std::string_view p = pattern.value_or(kDefaultPattern);
    DeleteMatchingFiles(target, p);
    std::vector<std::string> failed;
    for (const auto& found : files::FindFiles(source, p)) {
        if (!found.folder && !files::CopyFile(found.path, target + found.name))
            failed.push_back(found.path);
    }
    return failed;
}

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

}  // namespace harbinet::terrain
