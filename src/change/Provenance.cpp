#include "change/Provenance.h"

#include <functional>

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet {

namespace {

constexpr const char* kIndexFile = ".harbinet-copies";

// A stored skin file "n_NAME" was installed as NAME.
std::string_view InstalledName(std::string_view stored) {
    const auto underscore = stored.find('_');
    if (underscore == std::string_view::npos || underscore == 0) return stored;
    for (std::size_t i = 0; i < underscore; ++i)
        if (stored[i] < '0' || stored[i] > '9') return stored;
    return stored.substr(underscore + 1);
}

}  // namespace

Provenance::Provenance(const Folders& folders)
    : index_(folders.GameFolder + kIndexFile, folders.GameFolder),
      own_(folders.OwnFolder),
      keptRoot_(folders.OwnFolder + "Originals/"),
      roots_{folders.TerrainFolder, folders.SkinsFolder, folders.CommonFolder,
             folders.SkinCatalogueFolder, keptRoot_} {
    index_.Load();
}

bool Provenance::IsCurrentCopy(const std::string& path, const files::FileStamp& stamp,
                               const std::string& source) {
    const files::FileStamp s = files::Stamp(source);
    if (index_.IsCurrentCopy(path, source, stamp, s)) return true;
    return stamp.IsFile() && s.IsFile() && stamp.size == s.size &&
           files::SameContents(path, source);
}

void Provenance::Added(const std::string& path) {
    if (!named_) return;
    const std::string name = files::NameOf(path);
    byName_.emplace(LowerAscii(name), path);
    const std::string_view installed = InstalledName(name);
    if (installed.size() != name.size()) byName_.emplace(LowerAscii(installed), path);
}

void Provenance::IndexNames() {
    if (named_) return;
    named_ = true;
    std::function<void(const std::string&, int)> walk = [&](const std::string& folder, int depth) {
        for (const auto& found : files::FindFiles(folder, "*")) {
            if (found.folder) {
                if (depth > 0) walk(found.path + "/", depth - 1);
                continue;
            }
            byName_.emplace(LowerAscii(found.name), found.path);
            const std::string_view installed = InstalledName(found.name);
            if (installed.size() != found.name.size())
                byName_.emplace(LowerAscii(installed), found.path);
        }
    };
    for (const std::string& root : roots_) walk(root, root == keptRoot_ ? 8 : 3);
}

std::optional<std::string> Provenance::Twin(const std::string& path, const files::FileStamp& stamp,
                                            const std::set<std::string>& leaving) {
    if (!stamp.IsFile()) return std::nullopt;
    const auto usable = [&](const std::string& candidate) {
        return candidate != path && !leaving.count(candidate);
    };
    if (const auto it = verdicts_.find(path); it != verdicts_.end() && it->second.stamp == stamp &&
                                              usable(it->second.twin) &&
                                              files::Stamp(it->second.twin) == it->second.twinStamp)
        return it->second.twin;

    // The twin's stamp is the one taken before it was proven: a change since shows.
    const auto found = [&](const std::string& twin, const files::FileStamp& twinStamp) {
        verdicts_[path] = {stamp, twin, twinStamp};
        return std::optional<std::string>(twin);
    };
    files::FileStamp sourceStamp;
    if (const auto source = index_.SourceOf(path, stamp, &sourceStamp); source && usable(*source))
        return found(*source, sourceStamp);
    std::vector<std::string> candidates;
    if (const auto recorded = index_.RecordedSource(path)) candidates.push_back(*recorded);
    IndexNames();
    const auto [first, last] = byName_.equal_range(LowerAscii(files::NameOf(path)));
    for (auto it = first; it != last; ++it) candidates.push_back(it->second);
    for (const std::string& candidate : candidates) {
        if (!usable(candidate)) continue;
        const files::FileStamp c = files::Stamp(candidate);
        if (c.IsFile() && c.size == stamp.size && files::SameContents(path, candidate))
            return found(candidate, c);
    }
    verdicts_.erase(path);
    return std::nullopt;
}

}  // namespace harbinet
