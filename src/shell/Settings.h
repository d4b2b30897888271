// The settings file: every section, key and default in one place, and the folders the
// program derives from its own location.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace harbinet {

// Folder strings end in "/" and paths are built from them by plain concatenation.
struct Folders {
    std::string ExecutablePath;  // full path of the running program
    std::string OwnFolder;       // the program's folder
    std::string GameFolder;      // its parent: EAW.EXE, EAW.INI, Savedata
    std::string TerrainFolder;   // OwnFolder + "Terrain/"
    std::string SkinsFolder;     // OwnFolder + "Skins/"
    std::string CommonFolder;    // OwnFolder + "Common/"
    std::string VandelholtFolder;  // OwnFolder + "Vandelholt/"
    std::string SettingsPath;    // OwnFolder + executable name + ".INI"

    // Derived from the executable's full path, as the program derives them at start-up.
    static Folders FromExecutable(const std::string& executablePath);
};

namespace settings {

inline constexpr std::string_view kSection = "Harbinet";
inline constexpr std::string_view kTerrainSets = "TerrainSets";
inline constexpr std::string_view kExternal = "External";

// Section Harbinet: key and the default it is read with.
inline constexpr std::string_view kMode = "Mode";                  // -1: never installed
inline constexpr std::int32_t kModeDefault = -1;
inline constexpr std::string_view kTerrain = "Terrain";            // season 1..4
inline constexpr std::int32_t kTerrainDefault = 0;
inline constexpr std::string_view kTerrainSet = "TerrainSet";      // 0: game default terrain
inline constexpr std::int32_t kTerrainSetDefault = 1;
inline constexpr std::string_view kTimer = "Timer";                // seconds
inline constexpr std::int32_t kTimerDefault = 30;
inline constexpr std::string_view kClickDefault = "ClickDefault";
inline constexpr std::string_view kLoadOnStart = "LoadOnStart";
inline constexpr std::string_view kCopySkins = "CopySkins";
inline constexpr std::string_view kLaunchAfter = "LaunchAfter";
inline constexpr std::int32_t kFlagDefault = 0;
inline constexpr std::string_view kVersion = "Version";
inline constexpr std::int32_t kVersionDefault = 10;
inline constexpr std::uint32_t kCurrentVersion = 22;
inline constexpr std::string_view kTerrainFiles = "TerrainFiles";
inline constexpr std::string_view kSkinFiles = "SkinFiles";
inline constexpr std::string_view kCommonFiles = "CommonFiles";
inline constexpr std::string_view kSavedObjectDetail = "SavedObjectDetail";
inline constexpr std::int32_t kSavedObjectDetailDefault = 2;
// Command that starts Windows executables (the game under Wine); not written by the program.
inline constexpr std::string_view kRunner = "Runner";

// Section TerrainSets, n = 1..25.
inline constexpr unsigned kMaxTerrainSets = 25;
std::string TerrainNameKey(unsigned n);   // "Terrain%u"
std::string SeasonsKey(unsigned n);       // "Seasons%u"
std::string ObjectsLowKey(unsigned n);    // "ObjectsLow%u"

// Section External, n = 1..25.
inline constexpr unsigned kMaxExternalApps = 25;
std::string AppDescKey(unsigned n);       // "App%uDesc"
std::string AppExeKey(unsigned n);        // "App%uEXE"

// The game's EAW.INI.
inline constexpr std::string_view kGameIni = "EAW.INI";
inline constexpr std::string_view kGameExe = "EAW.EXE";
inline constexpr std::string_view kGraphics = "GRAPHICS";
inline constexpr std::string_view kCityTargets = "3dCityTargets";

}  // namespace settings

// Typed access to the settings file, read and written at the moment of use.
class SettingsStore {
public:
    explicit SettingsStore(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    std::int32_t GetInt(std::string_view section, std::string_view key, std::int32_t def) const;
    std::uint32_t GetUnsigned(std::string_view section, std::string_view key,
                              std::int32_t def) const;
    std::string GetText(std::string_view section, std::string_view key,
                        std::size_t size = 256) const;
    bool Set(std::string_view section, std::string_view key, std::string_view value) const;
    bool SetInt(std::string_view section, std::string_view key, std::int64_t value) const;

    // Section Harbinet shorthands.
    std::int32_t GetInt(std::string_view key, std::int32_t def) const {
        return GetInt(settings::kSection, key, def);
    }
    std::string GetText(std::string_view key) const { return GetText(settings::kSection, key); }
    bool Set(std::string_view key, std::string_view value) const {
        return Set(settings::kSection, key, value);
    }
    bool SetInt(std::string_view key, std::int64_t value) const {
        return SetInt(settings::kSection, key, value);
    }

    std::string TerrainSetName(unsigned n, std::size_t size = 256) const;
    bool TerrainSetHasSeasons(unsigned n) const;
    bool TerrainSetObjectsLow(unsigned n) const;

private:
    std::string path_;
};

}  // namespace harbinet
