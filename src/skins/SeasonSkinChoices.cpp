#include "skins/SeasonSkinChoices.h"

#include <cerrno>

#include "model/Names.h"
#include "platform/Files.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainEngine.h"

namespace harbinet {

namespace {

// Beyond this a file is no choices file of ours.
constexpr std::size_t kMaxFile = 1 << 20;

void ReportOpenFailure(Host& host, const std::string& path, int error) {
    host.ShowError(Format(text::kOpenFailed, path.c_str(), static_cast<unsigned>(error)));
}

}  // namespace

bool SeasonSkinChoices::LoadChoices(const std::string& path, Host& host) {
    path_ = path;
    std::string bytes;
    errno = 0;
    if (!files::ReadWholeFile(path, bytes, kMaxFile)) {
        const int error = errno ? errno : EIO;
        if (files::FileExists(path) || files::FolderExists(path))
            ReportOpenFailure(host, path, error);
        return false;
    }
    for (std::size_t i = 0; i < entries_.size() && 4 + 4 * i + 4 <= bytes.size(); ++i) {
        std::uint32_t value = 0;
        for (int b = 3; b >= 0; --b)
            value = (value << 8) | static_cast<unsigned char>(bytes[4 + 4 * i + b]);
        entries_[i] = value;
    }
    return true;
}

bool SeasonSkinChoices::SaveChoices(Host& host) const {
    std::string bytes;
    if (files::FileExists(path_)) files::ReadWholeFile(path_, bytes, kMaxFile);
    if (bytes.size() < kFileSize) bytes.resize(kFileSize);
    auto put = [&](std::size_t at, std::uint32_t value) {
        for (int b = 0; b < 4; ++b) bytes[at + b] = static_cast<char>((value >> (8 * b)) & 0xFF);
    };
    put(0, 1);
    for (std::size_t i = 0; i < entries_.size(); ++i) put(4 + 4 * i, entries_[i]);
    errno = 0;
    if (files::WriteFileAtomic(path_, bytes)) return true;
    ReportOpenFailure(host, path_, errno ? errno : EACCES);
    return false;
}

void CopyNumberedSkinFiles(const std::string& store, const std::string& target,
                           const std::string& prefix, std::string_view pattern) {
    for (const auto& found : files::FindFiles(store, prefix + std::string(pattern))) {
        if (found.folder) continue;
        files::CopyFile(found.path, files::ResolveName(target, found.name.substr(prefix.size())));
    }
}

void StageSeasonSkins(const std::string& catalogue, const std::string& target,
                      std::string_view patterns, const SeasonSkinChoices& choices,
                      std::size_t row) {
    terrain::ForEachPattern(patterns, [&](std::string_view pattern) {
        terrain::DeleteMatchingFiles(target, pattern);
        for (std::size_t m = 0; m < AircraftModelTable::kCount; ++m)
            if (const unsigned n = choices.GetChoice(row, m))
                CopyNumberedSkinFiles(catalogue, target, std::to_string(n) + "_", pattern);
    });
}

std::optional<std::string> ChoicesFileOf(const ProgramState& state, unsigned set) {
    const std::string name = state.Settings().TerrainSetName(set);
    if (!IsUsableName(name)) {
        state.host.ShowError(Format(text::kUnusableSetName, name.c_str()));
        return std::nullopt;
    }
    if (name.find_first_not_of("0123456789") == std::string::npos) {
        state.host.ShowError(Format(text::kDigitsSetName, name.c_str()));
        return std::nullopt;
    }
    return files::ResolveName(state.SkinCatalogueFolder, name + ".DAT");
}

bool ConfirmTerrainSkins(const ProgramState& state, unsigned set,
                         const SeasonSkinChoices& choices) {
    if (!choices.SaveChoices(state.host)) return false;
    const SettingsStore store = state.Settings();
    const std::string patterns = store.GetText(settings::Key::SkinFiles);
    if (patterns.empty()) {
        state.host.ShowError(Format(text::kBadFileTypes, "Skins"));
        return false;
    }
    const std::string name = store.TerrainSetName(set);
    // A set made by hand may lack its folders; the staged skins need them.
    files::CreateFolder(SetStoreFolder(state.SkinsFolder, name));
    if (!store.TerrainSetHasSeasons(set)) {
        StageSeasonSkins(state.SkinCatalogueFolder, SetStoreFolder(state.SkinsFolder, name),
                         patterns, choices, 0);
        return true;
    }
    for (Season season : kSeasons) {
        files::CreateFolder(SetStoreFolder(state.SkinsFolder, name, season));
        StageSeasonSkins(state.SkinCatalogueFolder, SetStoreFolder(state.SkinsFolder, name, season),
                         patterns, choices, static_cast<std::size_t>(Stored(season) - 1));
    }
    return true;
}

}  // namespace harbinet
