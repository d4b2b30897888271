// The settings file "harbinet.INI": every key of section Harbinet in one schema table (its type,
// the default it is read with and the value the first installation writes), the numbered keys
// of the terrain sets and external applications, and typed access read and written at the
// moment of use.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Season.h"

namespace harbinet {

namespace settings {

inline constexpr std::string_view kSection = "Harbinet";
inline constexpr std::string_view kTerrainSets = "TerrainSets";
inline constexpr std::string_view kExternal = "External";

// The settings layout this program writes.
inline constexpr std::uint32_t kCurrentVersion = 22;

enum class Key {
    Version,
    Mode,
    Terrain,
    TerrainSet,
    Timer,
    ClickDefault,
    LoadOnStart,
    CopySkins,
    LaunchAfter,
    TerrainFiles,
    SkinFiles,
    CommonFiles,
    SavedObjectDetail,
    Runner,
};

enum class Type { Integer, Unsigned, Flag, Text };

struct KeyInfo {
    Key key;
    std::string_view name;
    Type type;
    std::int32_t readDefault;                   // integers; texts read as empty
    std::optional<std::string_view> installed;  // none: the installation does not write it
};

// In the order the first installation writes them; "Mode", which marks the folder as installed,
// goes last. "SavedObjectDetail" is copied from the game, "Runner" only ever typed by the user.
inline constexpr std::array<KeyInfo, 14> kSchema = {{
    {Key::Version, "Version", Type::Unsigned, 10, "22"},
    {Key::Terrain, "Terrain", Type::Integer, 0, "1"},
    {Key::TerrainSet, "TerrainSet", Type::Integer, 1, "0"},
    {Key::Timer, "Timer", Type::Unsigned, 30, "30"},
    {Key::ClickDefault, "ClickDefault", Type::Flag, 0, "0"},
    {Key::LoadOnStart, "LoadOnStart", Type::Flag, 0, "0"},
    {Key::CopySkins, "CopySkins", Type::Flag, 0, "0"},
    {Key::LaunchAfter, "LaunchAfter", Type::Flag, 0, "0"},
    {Key::TerrainFiles, "TerrainFiles", Type::Text, 0, "*.TER,GRAS*.TPC"},
    {Key::SkinFiles, "SkinFiles", Type::Text, 0, "P*.TPC,*.3DZ"},
    {Key::CommonFiles, "CommonFiles", Type::Text, 0, ""},
    {Key::SavedObjectDetail, "SavedObjectDetail", Type::Integer, 2, std::nullopt},
    {Key::Runner, "Runner", Type::Text, 0, std::nullopt},
    {Key::Mode, "Mode", Type::Integer, -1, "0"},
}};

const KeyInfo& Info(Key key);

// The numbered keys, n from 1.
inline constexpr unsigned kMaxTerrainSets = 25;
std::string TerrainNameKey(unsigned n);  // "Terrain%u"
std::string SeasonsKey(unsigned n);      // "Seasons%u"
std::string ObjectsLowKey(unsigned n);   // "ObjectsLow%u"
inline constexpr unsigned kMaxExternalApps = 25;
std::string AppDescKey(unsigned n);  // "App%uDesc"
std::string AppExeKey(unsigned n);   // "App%uEXE"

// The game's files.
inline constexpr std::string_view kGameExe = "EAW.EXE";
inline constexpr std::string_view kGameIni = "EAW.INI";
inline constexpr std::string_view kGraphics = "GRAPHICS";
inline constexpr std::string_view kCityTargets = "3dCityTargets";
inline constexpr std::int32_t kCityTargetsDefault = 2;

// The skin catalogue's own settings.
inline constexpr std::string_view kSkinsIni = "Skins.INI";
inline constexpr std::string_view kSkinsSection = "Skins";
inline constexpr std::string_view kInitialFolder = "InitialFolder";

}  // namespace settings

// One settings file, read and written at the moment of use.
class SettingsStore {
  public:
    explicit SettingsStore(std::string path) : path_(std::move(path)) {}
    const std::string& Path() const { return path_; }

    // Integers and flags are read with their schema default; flags are true when non-zero.
    std::int32_t GetInt(settings::Key key) const;
    std::uint32_t GetUnsigned(settings::Key key) const;
    bool GetFlag(settings::Key key) const { return GetInt(key) != 0; }
    std::string GetText(settings::Key key) const;  // at most 255 characters
    OperatingMode GetMode() const { return ModeFromStored(GetInt(settings::Key::Mode)); }

    // False when the file could not be written.
    bool Set(settings::Key key, std::string_view value) const;
    bool SetInt(settings::Key key, std::int64_t value) const;

    // The numbered sections. Names are cut to size - 1 characters.
    std::string TerrainSetName(unsigned n, std::size_t size = 256) const;
    bool TerrainSetHasSeasons(unsigned n) const;
    bool TerrainSetObjectsLow(unsigned n) const;
    std::string AppDescription(unsigned n) const;
    std::string AppExecutable(unsigned n) const;

    // Any key of any section, for the numbered ones.
    std::string GetText(std::string_view section, std::string_view key,
                        std::size_t size = 256) const;
    bool Set(std::string_view section, std::string_view key, std::string_view value) const;

  private:
    std::string path_;
};

// Several keys written in one atomic replace of the file: Commit reads the file, applies every
// value in order and writes the result, all under the file's write lock.
class SettingsBatch {
  public:
    explicit SettingsBatch(std::string path);

    void Set(std::string_view section, std::string_view key, std::string_view value);
    void Set(settings::Key key, std::string_view value);
    // False when the file could not be written; the file is then as it was.
    bool Commit();

  private:
    struct Value {
        std::string section, key, value;
    };
    std::string path_;
    std::vector<Value> values_;
};

}  // namespace harbinet
