#include "model/Settings.h"

#include <filesystem>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/TextEncoding.h"

namespace harbinet {

namespace settings {

const KeyInfo& Info(Key key) {
    for (const KeyInfo& info : kSchema)
        if (info.key == key) return info;
    return kSchema.front();  // every key is in the table
}

std::string TerrainNameKey(unsigned n) {
    return "Terrain" + std::to_string(n);
}
std::string SeasonsKey(unsigned n) {
    return "Seasons" + std::to_string(n);
}
std::string ObjectsLowKey(unsigned n) {
    return "ObjectsLow" + std::to_string(n);
}
std::string AppDescKey(unsigned n) {
    return "App" + std::to_string(n) + "Desc";
}
std::string AppExeKey(unsigned n) {
    return "App" + std::to_string(n) + "EXE";
}

}  // namespace settings

using settings::Info;
using settings::Key;

std::int32_t SettingsStore::GetInt(Key key) const {
    return static_cast<std::int32_t>(GetUnsigned(key));
}

std::uint32_t SettingsStore::GetUnsigned(Key key) const {
    return profile::GetInt(path_, settings::kSection, Info(key).name, Info(key).readDefault);
}

std::string SettingsStore::GetText(Key key) const {
    return GetText(settings::kSection, Info(key).name);
}

bool SettingsStore::Set(Key key, std::string_view value) const {
    return Set(settings::kSection, Info(key).name, value);
}

bool SettingsStore::SetInt(Key key, std::int64_t value) const {
    return Set(key, std::to_string(value));
}

std::string SettingsStore::TerrainSetName(unsigned n, std::size_t size) const {
    return GetText(settings::kTerrainSets, settings::TerrainNameKey(n), size);
}

bool SettingsStore::TerrainSetHasSeasons(unsigned n) const {
    return profile::GetInt(path_, settings::kTerrainSets, settings::SeasonsKey(n), 0) != 0;
}

bool SettingsStore::TerrainSetObjectsLow(unsigned n) const {
    return profile::GetInt(path_, settings::kTerrainSets, settings::ObjectsLowKey(n), 0) != 0;
}

std::string SettingsStore::AppDescription(unsigned n) const {
    return GetText(settings::kExternal, settings::AppDescKey(n));
}

std::string SettingsStore::AppExecutable(unsigned n) const {
    return GetText(settings::kExternal, settings::AppExeKey(n));
}

std::string SettingsStore::GetText(std::string_view section, std::string_view key,
                                   std::size_t size) const {
    // Files brought over from Windows hold their texts in its code page.
    const std::string raw = profile::GetString(path_, section, key, "", size);
    return Utf8OrCp1252(raw, size > 0 && raw.size() == size - 1);
}

bool SettingsStore::Set(std::string_view section, std::string_view key,
                        std::string_view value) const {
    return profile::WriteString(path_, section, key, value);
}

SettingsBatch::SettingsBatch(std::string path) : path_(std::move(path)) {}

void SettingsBatch::Set(std::string_view section, std::string_view key, std::string_view value) {
    values_.push_back({std::string(section), std::string(key), std::string(value)});
}

void SettingsBatch::Set(Key key, std::string_view value) {
    Set(settings::kSection, Info(key).name, value);
}

bool SettingsBatch::Commit() {
    // Read and written under the file's lock, so that a key another process wrote meanwhile
    // stays.
    const profile::WriteLock lock(path_);
    std::string original;
    if (!profile::ReadFile(path_, original)) {
        // Something there that cannot be read must not be replaced by the batch's keys alone.
        std::error_code ec;
        if (std::filesystem::symlink_status(path_, ec).type() !=
            std::filesystem::file_type::not_found)
            return false;
    }
    std::string text = original;
    for (const auto& [section, key, value] : values_)
        text = profile::WriteStringToText(text, section, key, value);
    // Nothing changed: the file keeps its bytes and its time.
    return text == original || files::WriteFileAtomic(path_, text);
}

}  // namespace harbinet
