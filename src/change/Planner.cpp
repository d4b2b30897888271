#include "change/Planner.h"

#include <algorithm>
#include <ctime>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Text.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

using Kind = Action::Kind;

// One folder a change, named by its local time, so that the player finds what went when.
std::string KeptFolderName() {
    const std::time_t now = std::time(nullptr);
    char name[64] = "kept";
    if (const std::tm* t = std::localtime(&now))
        std::strftime(name, sizeof name, "%Y-%m-%d %H.%M.%S", t);
    return std::string(name) + "/";
}

// True for the game's own files, which no pattern takes: EAW.INI, programs and libraries.
bool IsGameOwnFile(std::string_view name) {
    return EqualIgnoringCase(name, "EAW.INI") || files::WildcardMatch("*.EXE", name) ||
           files::WildcardMatch("*.DLL", name);
}

}  // namespace

Planner::Planner(const Folders& folders, Provenance& provenance, std::string what)
    : folders_(folders), provenance_(provenance) {
    plan_.what = std::move(what);
    plan_.keptFolder = provenance.KeptRoot() + KeptFolderName();
}

Planner::View& Planner::ViewOf(const std::string& folder) {
    auto [it, added] = views_.try_emplace(folder);
    if (added) {
        for (const auto& found : files::FindFiles(folder, "*")) {
            Entry e;
            e.folder = found.folder;
            e.readOnly = found.readOnly;
            it->second.emplace(found.name, e);
        }
    }
    return it->second;
}

void Planner::Add(Action action) {
    // Every step that removes bytes checks, when it runs, that they are elsewhere then; only a
    // file the plan rewrites in place cannot stand for them.
    if (action.kind == Kind::WriteFile) leaving_.insert(action.path);
    plan_.actions.push_back(std::move(action));
}

void Planner::Gone(const std::string& path) {
    if (auto it = views_.find(files::FolderOf(path)); it != views_.end())
        it->second.erase(files::NameOf(path));
}

void Planner::Remove(const std::string& folder, const std::string& name, const Entry& entry) {
    const std::string path = folder + name;
    // A read-only file refuses to go, as on Windows: it stays where it is.
    if (entry.readOnly) return;
    // A link goes as it is: the file it names, wherever that is, stays.
    const auto ours = [&] {
        if (!entry.plannedFrom.empty()) return true;
        const files::FileStamp stamp = files::Stamp(path);
        return !stamp.IsFile() || provenance_.Twin(path, stamp, leaving_).has_value();
    };
    Add(Action::Of(ours() ? Kind::Delete : Kind::Save, path));
}

void Planner::Install(const std::string& folder, std::string_view pattern,
                      const std::vector<std::pair<std::string, std::string>>& wanted) {
    std::map<std::string, std::string> want;
    for (const auto& [name, source] : wanted) want[name] = source;
    View& view = ViewOf(folder);
    std::set<std::string> kept;
    // The planner changes no file: a stamp taken for the first question about a file answers
    // the next about it.
    std::map<std::string, files::FileStamp> stamps;
    const auto stampOf = [&](const std::string& name) -> const files::FileStamp& {
        auto [it, added] = stamps.try_emplace(name);
        if (added) it->second = files::Stamp(folder + name);
        return it->second;
    };
    for (auto it = view.begin(); it != view.end();) {
        const auto& [name, entry] = *it;
        if (entry.folder || IsGameOwnFile(name) || !files::WildcardMatch(pattern, name)) {
            ++it;
            continue;
        }
        const auto w = want.find(name);
        if (w != want.end()) {
            const bool planned = entry.plannedFrom == w->second;
            if (planned || (entry.plannedFrom.empty() &&
                            provenance_.IsCurrentCopy(folder + name, stampOf(name), w->second))) {
                if (!planned) Add(Action::Of(Kind::Keep, folder + name, w->second));
                kept.insert(name);
            }
            ++it;  // otherwise replaced by its copy below
            continue;
        }
        Remove(folder, name, entry);
        it = entry.readOnly ? std::next(it) : view.erase(it);
    }
    for (const auto& [name, source] : want) {
        if (kept.count(name) || IsGameOwnFile(name)) continue;
        // A file that stays (read-only) is the one replaced, or not at all, rather than given a
        // twin that differs only in letter case.
        std::string to = name;
        for (const auto& [there, entry] : view)
            if (there != name && !entry.folder && EqualIgnoringCase(there, name)) to = there;
        // A file there that is the player's is kept before the copy replaces it, so that the plan
        // says so; a Harbinet copy of another store file is simply replaced.
        if (const auto there = view.find(to);
            there != view.end() && !there->second.folder && !there->second.readOnly &&
            there->second.plannedFrom.empty() && stampOf(to).IsFile() &&
            !provenance_.Twin(folder + to, stampOf(to), leaving_))
            Add(Action::Of(Kind::Save, folder + to));
        Add(Action::Of(Kind::Copy, folder + to, source));
        view[to].plannedFrom = source;
    }
}

void Planner::CopyMatching(const std::string& source, const std::string& target,
                           const std::vector<std::string_view>& patterns) {
    const files::FileStamp s = files::Stamp(source), t = files::Stamp(target);
    // Deleting the target's files first would delete the very files to be copied.
    if (s.type != files::FileStamp::Type::Missing && s.device == t.device && s.inode == t.inode)
        return;
    // One listing serves every pattern: Wine looks at each entry of every listing.
    const std::vector<files::FoundFile> found = files::FindFiles(source, "*");
    for (const std::string_view pattern : patterns) {
        std::vector<std::pair<std::string, std::string>> wanted;
        for (const auto& f : found)
            if (!f.folder && files::WildcardMatch(pattern, f.name))
                wanted.emplace_back(f.name, f.path);
        Install(target, pattern, wanted);
    }
}

void Planner::CopyMatchingFiles(const std::string& source, const std::string& target,
                                std::string_view pattern) {
    CopyMatching(source, target, {pattern});
}

void Planner::CopyMatchingList(const std::string& source, const std::string& target,
                               std::string_view list) {
    std::vector<std::string_view> patterns;
    terrain::ForEachPattern(list, [&](std::string_view pattern) { patterns.push_back(pattern); });
    CopyMatching(source, target, patterns);
}

void Planner::DeleteMatchingFiles(const std::string& folder, std::string_view pattern) {
    Install(folder, pattern, {});
}

void Planner::DeleteMatchingList(const std::string& folder, std::string_view list) {
    terrain::ForEachPattern(
        list, [&](std::string_view pattern) { DeleteMatchingFiles(folder, pattern); });
}

void Planner::Move(const std::string& from, const std::string& to, bool replace) {
    Add(Action::Of(replace ? Kind::Move : Kind::MoveIfAbsent, to, from));
    Gone(from);
    if (auto it = views_.find(files::FolderOf(to)); it != views_.end())
        it->second[files::NameOf(to)];
}

void Planner::Save(const std::string& path) {
    Add(Action::Of(Kind::Save, path));
    Gone(path);
}

void Planner::Discard(const std::string& path) {
    Add(Action::Of(Kind::Delete, path));
    Gone(path);
}

void Planner::Erase(const std::string& path) {
    Add(Action::Of(Kind::Erase, path));
    Gone(path);
}

void Planner::MakeFolder(const std::string& path) {
    Add(Action::Of(Kind::MakeFolder, path));
}

void Planner::RemoveFolder(const std::string& path) {
    Add(Action::Of(Kind::RemoveFolder, path));
}

void Planner::Setting(const std::string& file, const profile::Entry& value) {
    auto [it, added] = settings_.try_emplace(file);
    if (added) profile::ReadFile(file, it->second);
    it->second = profile::WriteStringToText(it->second, value.section, value.key, value.value);
    Action a = Action::Of(Kind::Setting, file);
    a.section = value.section;
    a.key = value.key;
    a.value = value.value;
    Add(std::move(a));
}

void Planner::WriteFile(const std::string& path, std::string bytes) {
    Action a = Action::Of(Kind::WriteFile, path);
    a.value = std::move(bytes);
    Add(std::move(a));
}

Settings Planner::Planned(const std::string& file) {
    auto [it, added] = settings_.try_emplace(file);
    if (added) profile::ReadFile(file, it->second);
    return Settings(file, it->second);
}

std::vector<std::string> Planner::Files(const std::string& folder, std::string_view pattern) {
    std::vector<std::string> names;
    for (const auto& [name, entry] : ViewOf(folder))
        if (!entry.folder && files::WildcardMatch(pattern, name)) names.push_back(name);
    return names;
}

}  // namespace harbinet
