// The pattern walk over real folders: a comma-separated list is planned and run piece by piece
// from a store folder to a game folder, then deleted again. Input: LIST \1 STORE NAMES \1 GAME
// NAMES, names separated by "/". Afterwards the game folder holds exactly its own files that no
// piece matches plus the store's files that one does, with their bytes, and nothing else (no
// temporary files); deleting by the same pieces leaves only the former. The game's own files
// (EAW.INI, programs, libraries) are neither deleted nor copied, and every game file that left
// is in Harbinet's kept files with its bytes.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "change/Change.h"
#include "platform/Files.h"
#include "terrain/TerrainEngine.h"

namespace {

namespace fs = std::filesystem;
using Folder = std::map<std::string, std::string>;  // name -> bytes

std::vector<std::string> Names(std::string_view list) {
    std::vector<std::string> names;
    while (!list.empty() && names.size() < 12) {
        const std::size_t slash = list.find('/');
        std::string name(list.substr(0, slash));
        list.remove_prefix(slash == std::string_view::npos ? list.size() : slash + 1);
        // Harbinet's own folder and bookkeeping files are no game files.
        if (name.empty() || name == "." || name == ".." || name.size() > 24 ||
            name.find('\0') != std::string::npos || name.starts_with(".harbinet") ||
            harbinet::EqualIgnoringCase(name, "Harbinet"))
            continue;
        names.push_back(name);
    }
    return names;
}

Folder Lay(const std::string& folder, const std::vector<std::string>& names, const char* label) {
    fs::create_directories(folder);
    Folder made;
    for (const auto& name : names) {
        const std::string bytes = std::string(label) + ":" + name;
        std::ofstream(folder + name, std::ios::binary) << bytes;
        made[name] = bytes;
    }
    return made;
}

Folder Read(const std::string& folder) {
    Folder found;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name == "Harbinet" || name.starts_with(".harbinet")) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        found[name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return found;
}

// The game's own program, libraries and settings stay whatever a list says.
bool IsGameOwn(const std::string& name) {
    std::string lower;
    for (char c : name) lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    return lower == "eaw.ini" || lower.ends_with(".exe") || lower.ends_with(".dll");
}

bool AnyMatches(const std::vector<std::string>& pieces, const std::string& name) {
    for (const auto& p : pieces)
        if (harbinet::files::WildcardMatch(p, name)) return true;
    return false;
}

// Every file under the folder, by bytes.
std::multiset<std::string> Contents(const std::string& folder) {
    std::multiset<std::string> all;
    if (!fs::exists(folder)) return all;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        all.emplace(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return all;
}

// Plans and runs one change of the game folder.
void Change(const harbinet::Folders& folders, const std::function<void(harbinet::Planner&)>& plan) {
    harbinet::Provenance provenance(folders);
    harbinet::Planner planner(folders, provenance, "fuzz");
    plan(planner);
    const auto failures = harbinet::RunSteps(folders, provenance, planner.Result());
    FUZZ_CHECK(failures.messages.empty(), "a step failed: %s", failures.messages.front().c_str());
    provenance.Index().Save();
}

std::string Show(const Folder& f) {
    std::string s;
    for (const auto& [name, bytes] : f) s += "\"" + name + "\"=\"" + bytes + "\" ";
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    harbinet::fuzz::Fields in(data, size);
    const std::string list(in.Next());
    const std::vector<std::string> storeNames = Names(in.Next());
    const std::vector<std::string> gameNames = Names(in.Rest());
    if (list.size() > 96) return 0;

    const std::string& scratch = harbinet::fuzz::ScratchFolder();
    harbinet::fuzz::EmptyFolder(scratch);
    const std::string game = scratch + "EAW/", own = game + "Harbinet/";
    const std::string store = own + "Terrain/S/";
    const Folder storeFiles = Lay(store, storeNames, "store");
    const Folder gameFiles = Lay(game, gameNames, "game");
    const harbinet::Folders folders = harbinet::Folders::FromExecutable(own + "harbinet");

    std::vector<std::string> pieces;
    harbinet::terrain::ForEachPattern(list,
                                      [&](std::string_view piece) { pieces.emplace_back(piece); });
    std::string joined;
    for (std::size_t i = 0; i < pieces.size(); ++i) joined += (i ? "," : "") + pieces[i];
    FUZZ_CHECK(joined == list, "list \"%s\" walked as \"%s\"", list.c_str(), joined.c_str());
    Change(folders, [&](harbinet::Planner& plan) { plan.CopyMatchingList(store, game, list); });

    Folder kept;
    for (const auto& [name, bytes] : gameFiles)
        if (IsGameOwn(name) || !AnyMatches(pieces, name)) kept[name] = bytes;
    Folder want = kept;
    for (const auto& [name, bytes] : storeFiles)
        if (!IsGameOwn(name) && AnyMatches(pieces, name)) want[name] = bytes;
    const Folder got = Read(game);
    FUZZ_CHECK(got == want, "list \"%s\": game folder %s, expected %s", list.c_str(),
               Show(got).c_str(), Show(want).c_str());
    FUZZ_CHECK(Read(store) == storeFiles, "list \"%s\" changed the store", list.c_str());

    Change(folders, [&](harbinet::Planner& plan) { plan.DeleteMatchingList(game, list); });
    const Folder left = Read(game);
    FUZZ_CHECK(left == kept, "deleting \"%s\" left %s, expected %s", list.c_str(),
               Show(left).c_str(), Show(kept).c_str());

    // Nothing the player had is lost: the game's files that left are kept with their bytes.
    const auto originals = Contents(own + "Originals/");
    for (const auto& [name, bytes] : gameFiles)
        FUZZ_CHECK(kept.count(name) || originals.count(bytes), "list \"%s\": the game's %s is gone",
                   list.c_str(), name.c_str());
    return 0;
}
