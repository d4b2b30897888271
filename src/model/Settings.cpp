#include "model/Settings.h"

#include <filesystem>

#include "platform/Files.h"
#include "platform/Profile.h"

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
    return profile::GetString(path_, section, key, "", size);
}

bool SettingsStore::Set(std::string_view section, std::string_view key,
                        std::string_view value) const {
    return profile::WriteString(path_, section, key, value);
}

SettingsBatch::SettingsBatch(std::string path) : path_(std::move(path)) {
    if (files::ReadWholeFile(path_, original_)) {
        text_ = original_;
        return;
    }
    // Something there that cannot be read must not be replaced by the batch's keys alone.
    std::error_code ec;
    readable_ =
        std::filesystem::symlink_status(path_, ec).type() == std::filesystem::file_type::not_found;
}

void SettingsBatch::Set(std::string_view section, std::string_view key, std::string_view value) {
    text_ = profile::WriteStringToText(text_, section, key, value);
}

void SettingsBatch::Set(Key key, std::string_view value) {
    Set(settings::kSection, Info(key).name, value);
}

bool SettingsBatch::Commit() {
    if (!readable_) return false;
    // Nothing changed: the file keeps its bytes and its time.
    return text_ == original_ || files::WriteFileAtomic(path_, text_);
}

}  // namespace harbinet
