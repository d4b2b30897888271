#include "skins/SeasonSkinChoices.h"

#include <map>

#include "model/Names.h"
#include "platform/Files.h"
#include "skins/SkinCatalogue.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

// Beyond this a file is no choices file of ours.
constexpr std::size_t kMaxFile = 1 << 20;

// The older name of a digits-only set's choices, when that file really holds choices and not
// a skin's record.
std::optional<std::string> OlderChoicesFile(const ProgramState& state, const std::string& name) {
    if (!IsDigitsOnly(name)) return std::nullopt;
    const std::string path = files::ResolveName(state.SkinCatalogueFolder, name + ".DAT");
    std::string bytes;
    if (!files::ReadWholeFile(path, bytes, kMaxFile) || bytes.size() < 4 ||
        bytes.compare(0, 4, std::string("\1\0\0\0", 4)) != 0)
        return std::nullopt;
    return path;
}

}  // namespace

Result SeasonSkinChoices::LoadChoices(const std::string& path) {
    path_ = path;
    loaded_.clear();
    entries_.fill(0);
    std::string bytes;
    int error = 0;
    if (!files::ReadWholeFile(path, bytes, kMaxFile, &error)) {
        // No file yet: the game's own skins everywhere.
        if (files::Stamp(path).type == files::FileStamp::Type::Missing) return {};
        return Result::Failure(
            Format(text::kOpenFailed, path.c_str(), static_cast<unsigned>(error)), path);
    }
    loaded_ = bytes;
    for (std::size_t i = 0; i < entries_.size() && 4 + 4 * i + 4 <= bytes.size(); ++i) {
        std::uint32_t value = 0;
        for (int b = 3; b >= 0; --b)
            value = (value << 8) | static_cast<unsigned char>(bytes[4 + 4 * i + b]);
        entries_[i] = value;
    }
    return {};
}

std::string SeasonSkinChoices::Bytes() const {
    std::string bytes = loaded_;
    if (bytes.size() < kFileSize) bytes.resize(kFileSize);
    auto put = [&](std::size_t at, std::uint32_t value) {
        for (int b = 0; b < 4; ++b) bytes[at + b] = static_cast<char>((value >> (8 * b)) & 0xFF);
    };
    put(0, 1);
    for (std::size_t i = 0; i < entries_.size(); ++i) put(4 + 4 * i, entries_[i]);
    return bytes;
}

Result ChoicesFileOf(const ProgramState& state, unsigned set, std::string& file) {
    file.clear();
    const std::string name = state.settings.TerrainSetName(set);
    if (name.empty()) return Result::Failure(Format(text::kNoTerrainSet, set));
    if (!IsUsableName(name)) return Result::Failure(Format(text::kUnusableSetName, name.c_str()));
    file = files::ResolveName(state.SkinCatalogueFolder,
                              (IsDigitsOnly(name) ? "Set " : "") + name + ".DAT");
    return {};
}

Result LoadChoicesOf(const ProgramState& state, unsigned set, SeasonSkinChoices& choices) {
    std::string file;
    if (Result named = ChoicesFileOf(state, set, file); !named) return named;
    if (files::Stamp(file).type == files::FileStamp::Type::Missing)
        if (const auto older = OlderChoicesFile(state, state.settings.TerrainSetName(set))) {
            Result read = choices.LoadChoices(*older);
            choices.MoveTo(file);
            return read;
        }
    return choices.LoadChoices(file);
}

void PlanTerrainSkins(Planner& plan, const ProgramState& state, unsigned set,
                      const SeasonSkinChoices& choices) {
    const Settings& store = state.settings;
    const std::string name = store.TerrainSetName(set);
    plan.WriteFile(choices.Path(), choices.Bytes());
    // Saved under the new name, the older file of a digits-only set has served.
    if (const auto older = OlderChoicesFile(state, name); older && *older != choices.Path())
        plan.Erase(*older);
    const std::string patterns = store.Get(settings::kSkinFiles);
    const auto list = UsableList(plan, patterns, settings::kSkinFiles, "Skins");
    // The choices are saved all the same; the dialog stays open to say so.
    if (!list) return plan.Fail();

    // The stored files of every chosen skin, read once.
    const SkinCatalogue catalogue(state.SkinCatalogueFolder);
    std::map<unsigned, std::vector<std::string>> stored;
    for (std::size_t row = 0; row < SeasonSkinChoices::kSeasonRows; ++row)
        for (std::size_t m = 0; m < AircraftModelTable::kCount; ++m)
            if (const unsigned n = choices.GetChoice(row, m); n != 0 && !stored.count(n))
                stored[n] = catalogue.StoredFiles(n, *list);

    const auto stage = [&](const std::string& target, std::size_t row) {
        plan.MakeFolder(target);
        terrain::ForEachPattern(*list, [&](std::string_view pattern) {
            std::vector<std::pair<std::string, std::string>> wanted;
            for (std::size_t m = 0; m < AircraftModelTable::kCount; ++m) {
                const unsigned n = choices.GetChoice(row, m);
                if (n == 0) continue;
                const std::string prefix = std::to_string(n) + "_";
                for (const std::string& path : stored[n]) {
                    const std::string installed = path.substr(path.rfind('/') + 1 + prefix.size());
                    if (files::WildcardMatch(pattern, installed))
                        wanted.emplace_back(installed, path);
                }
            }
            plan.Install(target, pattern, wanted);
        });
    };
    if (!store.TerrainSetHasSeasons(set)) return stage(SetStoreFolder(state.SkinsFolder, name), 0);
    for (Season season : kSeasons)
        stage(SetStoreFolder(state.SkinsFolder, name, season),
              static_cast<std::size_t>(Stored(season) - 1));
}

ChangeResult ConfirmTerrainSkins(ProgramState& state, unsigned set,
                                 const SeasonSkinChoices& choices) {
    return RunChange(state, "skins " + std::to_string(set),
                     [&](Planner& plan) { PlanTerrainSkins(plan, state, set, choices); });
}

}  // namespace harbinet
