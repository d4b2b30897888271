#include "shell/Settings.h"

#include "platform/Profile.h"

namespace harbinet {

Folders Folders::FromExecutable(const std::string& executablePath) {
    Folders f;
    f.ExecutablePath = executablePath;
    auto slash = executablePath.rfind('/');
    f.OwnFolder = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    std::string name = executablePath.substr(slash == std::string::npos ? 0 : slash + 1);
    if (auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);

    // The parent folder: drop the trailing "/" and everything after the "/" before it. A
    // program in the root folder gets an empty game folder, as on Windows.
    std::string parent = f.OwnFolder;
    if (!parent.empty()) parent.pop_back();
    auto parentSlash = parent.rfind('/');
    f.GameFolder = parentSlash == std::string::npos ? std::string() : parent.substr(0, parentSlash + 1);

    f.TerrainFolder = f.OwnFolder + "Terrain/";
    f.SkinsFolder = f.OwnFolder + "Skins/";
    f.CommonFolder = f.OwnFolder + "Common/";
    f.VandelholtFolder = f.OwnFolder + "Vandelholt/";
    f.SettingsPath = f.OwnFolder + name + ".INI";
    return f;
}

namespace settings {
std::string TerrainNameKey(unsigned n) { return "Terrain" + std::to_string(n); }
std::string SeasonsKey(unsigned n) { return "Seasons" + std::to_string(n); }
std::string ObjectsLowKey(unsigned n) { return "ObjectsLow" + std::to_string(n); }
std::string AppDescKey(unsigned n) { return "App" + std::to_string(n) + "Desc"; }
std::string AppExeKey(unsigned n) { return "App" + std::to_string(n) + "EXE"; }
}  // namespace settings

std::int32_t SettingsStore::GetInt(std::string_view section, std::string_view key,
                                   std::int32_t def) const {
    return static_cast<std::int32_t>(profile::GetInt(path_, section, key, def));
}

std::uint32_t SettingsStore::GetUnsigned(std::string_view section, std::string_view key,
                                         std::int32_t def) const {
    return profile::GetInt(path_, section, key, def);
}

std::string SettingsStore::GetText(std::string_view section, std::string_view key,
                                   std::size_t size) const {
    return profile::GetString(path_, section, key, "", size);
}

bool SettingsStore::Set(std::string_view section, std::string_view key,
                        std::string_view value) const {
    return profile::WriteString(path_, section, key, value);
}

bool SettingsStore::SetInt(std::string_view section, std::string_view key,
                           std::int64_t value) const {
    return Set(section, key, std::to_string(value));
}

std::string SettingsStore::TerrainSetName(unsigned n, std::size_t size) const {
    return GetText(settings::kTerrainSets, settings::TerrainNameKey(n), size);
}

bool SettingsStore::TerrainSetHasSeasons(unsigned n) const {
    return GetInt(settings::kTerrainSets, settings::SeasonsKey(n), 0) != 0;
}

bool SettingsStore::TerrainSetObjectsLow(unsigned n) const {
    return GetInt(settings::kTerrainSets, settings::ObjectsLowKey(n), 0) != 0;
}

}  // namespace harbinet
