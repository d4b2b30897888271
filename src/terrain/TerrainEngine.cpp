#include "terrain/TerrainEngine.h"

#include <sys/stat.h>

#include <algorithm>
#include <set>

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::terrain {

namespace {

// A pattern list as broad as "*" must still leave the game itself in place.
bool IsGameOwnFile(std::string_view name) {
    return EqualIgnoringCase(name, "EAW.INI") || files::WildcardMatch("*.EXE", name) ||
           files::WildcardMatch("*.DLL", name);
}

// Also through links and whatever letter case the paths were written in.
bool SameFolder(const std::string& a, const std::string& b) {
    struct stat x, y;
    return ::stat(a.c_str(), &x) == 0 && ::stat(b.c_str(), &y) == 0 && x.st_dev == y.st_dev &&
           x.st_ino == y.st_ino;
}

}  // namespace

void DeleteMatchingFiles(const std::string& folder, std::optional<std::string_view> pattern) {
    for (const auto& found : files::FindFiles(folder, pattern.value_or(kDefaultPattern))) {
        if (!found.folder && !IsGameOwnFile(found.name)) files::DeleteFile(found.path);
    }
}

std::vector<std::string> CopyMatchingFiles(const std::string& source, const std::string& target,
                                           std::optional<std::string_view> pattern) {
    // Deleting the target's files first would delete the very files to be copied.
    if (SameFolder(source, target)) return {};
    const std::string_view p = pattern.value_or(kDefaultPattern);
    const auto sources = files::FindFiles(source, p);
    // A file that is already the copy the source would give stays: refreshing an installed
    // season then costs next to nothing. Every other matching file goes.
    std::set<std::string> kept;
    for (const auto& there : files::FindFiles(target, p)) {
        if (there.folder || IsGameOwnFile(there.name)) continue;
        const bool current = std::any_of(sources.begin(), sources.end(), [&](const auto& found) {
            return found.name == there.name && files::IsCopyMadeFrom(found.path, there.path);
        });
        if (current)
            kept.insert(there.name);
        else
            files::DeleteFile(there.path);
    }
    // What the delete left (read-only files) is replaced under its own spelling, or not at all,
    // rather than given a twin that differs only in letter case.
    auto left = files::FindFiles(target, p);
    std::erase_if(left, [&](const files::FoundFile& f) { return kept.count(f.name) != 0; });
    std::vector<std::string> failed;
    for (const auto& found : sources) {
        if (found.folder || IsGameOwnFile(found.name) || kept.count(found.name)) continue;
        std::string to = target + found.name;
        for (const auto& there : left)
            if (EqualIgnoringCase(there.name, found.name)) to = there.path;
        if (!files::CopyFile(found.path, to)) failed.push_back(found.path);
    }
    return failed;
}

std::vector<std::string> CopyMatchingList(const std::string& source, const std::string& target,
                                          std::string_view list) {
    std::vector<std::string> failed;
    ForEachPattern(list, [&](std::string_view pattern) {
        auto notCopied = CopyMatchingFiles(source, target, pattern);
        failed.insert(failed.end(), notCopied.begin(), notCopied.end());
    });
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
