// The settings file "harbinet.INI": every key of section Harbinet as a typed key (its C++ type is
// the schema's type, so a flag cannot be read as text), the numbered keys of the terrain sets and
// external applications, and one object that holds the file in memory and writes through.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Season.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Result.h"

namespace harbinet {

namespace settings {

inline constexpr std::string_view kSection = "Harbinet";
inline constexpr std::string_view kTerrainSets = "TerrainSets";
inline constexpr std::string_view kExternal = "External";

// The settings layout this program writes.
inline constexpr std::uint32_t kCurrentVersion = 22;

// The keys of section Harbinet, each with the default it is read with.
struct IntKey {
    std::string_view name;
    std::int32_t readDefault;
};
struct UnsignedKey {
    std::string_view name;
    std::uint32_t readDefault;
};
struct FlagKey {  // true when non-zero; missing is false
    std::string_view name;
};
struct TextKey {  // at most 255 characters; missing is empty
    std::string_view name;
};

inline constexpr UnsignedKey kVersion{"Version", 10};
inline constexpr IntKey kMode{"Mode", -1};
inline constexpr IntKey kTerrain{"Terrain", 0};
inline constexpr IntKey kTerrainSet{"TerrainSet", 1};
inline constexpr UnsignedKey kTimer{"Timer", 30};
inline constexpr FlagKey kClickDefault{"ClickDefault"};
inline constexpr FlagKey kLoadOnStart{"LoadOnStart"};
inline constexpr FlagKey kCopySkins{"CopySkins"};
inline constexpr FlagKey kLaunchAfter{"LaunchAfter"};
inline constexpr TextKey kTerrainFiles{"TerrainFiles"};
inline constexpr TextKey kSkinFiles{"SkinFiles"};
inline constexpr TextKey kCommonFiles{"CommonFiles"};
inline constexpr IntKey kSavedObjectDetail{"SavedObjectDetail", 2};
inline constexpr TextKey kRunner{"Runner"};  // only ever typed by the user

// What the first installation writes, in order; "Mode", which marks the folder as installed,
// goes last. "SavedObjectDetail" is copied from the game.
struct InstalledValue {
    std::string_view key;
    std::string_view value;
};
inline constexpr std::array<InstalledValue, 12> kInstalled = {{
    {kVersion.name, "22"},
    {kTerrain.name, "1"},
    {kTerrainSet.name, "0"},
    {kTimer.name, "30"},
    {kClickDefault.name, "0"},
    {kLoadOnStart.name, "0"},
    {kCopySkins.name, "0"},
    {kLaunchAfter.name, "0"},
    {kTerrainFiles.name, "*.TER,GRAS*.TPC"},
    {kSkinFiles.name, "P*.TPC,*.3DZ"},
    {kCommonFiles.name, ""},
    {kMode.name, "0"},
}};
std::string_view InstalledValueOf(std::string_view key);

// One value to write: section, key and its text as stored.
using Value = profile::Entry;
Value Of(const IntKey& key, std::int32_t value);
Value Of(const UnsignedKey& key, std::uint32_t value);
Value Of(const FlagKey& key, bool value);
Value Of(const TextKey& key, std::string_view value);
Value OfMode(OperatingMode mode);              // Manual or Automatic
Value OfSeason(std::optional<Season> season);  // none: 0

// The numbered keys, n from 1.
inline constexpr unsigned kMaxTerrainSets = 25;
std::string TerrainNameKey(unsigned n);  // "Terrain%u"
std::string SeasonsKey(unsigned n);      // "Seasons%u"
std::string ObjectsLowKey(unsigned n);   // "ObjectsLow%u"
Value TerrainSetName(unsigned n, std::string_view name);
Value TerrainSetSeasons(unsigned n, bool seasons);
Value TerrainSetObjectsLow(unsigned n, bool low);
inline constexpr unsigned kMaxExternalApps = 25;
std::string AppDescKey(unsigned n);  // "App%uDesc"
std::string AppExeKey(unsigned n);   // "App%uEXE"
Value AppDescription(unsigned n, std::string_view text);
Value AppExecutable(unsigned n, std::string_view text);

// The game's files.
inline constexpr std::string_view kGameExe = "EAW.EXE";
inline constexpr std::string_view kGameIni = "EAW.INI";

}  // namespace settings

// The game's "EAW.INI", of which only the city targets of its object detail are read and written.
namespace game_ini {
inline constexpr std::int32_t kCityTargetsDefault = 2;
std::string PathIn(const std::string& gameFolder);  // the entry the name resolves to
std::int32_t CityTargets(std::string_view text);
settings::Value CityTargetsValue(std::int32_t value);
}  // namespace game_ini

// One settings file, held in memory as read. Getters read the memory, read again only when the
// file changed on disk (another process, a change, the user's editor); a write goes through to
// the file and, only when it succeeded, to the memory as well, so the two never disagree.
class Settings {
  public:
    explicit Settings(std::string path) : path_(std::move(path)) {}
    // A fixed text, as a planned change will leave the file.
    Settings(std::string path, std::string text)
        : path_(std::move(path)), text_(std::move(text)), fixed_(true) {}
    const std::string& Path() const { return path_; }
    const std::string& Text() const;

    // Reads the file again whatever its stamp says.
    void Reload();

    std::int32_t Get(const settings::IntKey& key) const;
    std::uint32_t Get(const settings::UnsignedKey& key) const;
    bool Get(const settings::FlagKey& key) const;
    std::string Get(const settings::TextKey& key) const;
    OperatingMode Mode() const { return ModeFromStored(Get(settings::kMode)); }
    bool Automatic() const { return Mode() == OperatingMode::Automatic; }
    std::optional<Season> InstalledSeason() const {
        return SeasonFromStored(Get(settings::kTerrain));
    }
    // 1..25, 0 for the game's default terrain.
    unsigned ActiveSet() const;

    // The numbered sections. Names are cut to size - 1 characters.
    std::string TerrainSetName(unsigned n, std::size_t size = 256) const;
    bool TerrainSetHasSeasons(unsigned n) const;
    bool TerrainSetObjectsLow(unsigned n) const;
    std::string AppDescription(unsigned n) const;
    std::string AppExecutable(unsigned n) const;

    // Every value in one atomic replace of the file, read and written under its write lock so
    // that a key another process wrote meanwhile stays. On failure neither file nor memory change.
    Result Write(const std::vector<settings::Value>& values);
    Result Set(const settings::IntKey& key, std::int32_t value) {
        return Write({settings::Of(key, value)});
    }
    Result Set(const settings::UnsignedKey& key, std::uint32_t value) {
        return Write({settings::Of(key, value)});
    }
    Result Set(const settings::FlagKey& key, bool value) {
        return Write({settings::Of(key, value)});
    }
    Result Set(const settings::TextKey& key, std::string_view value) {
        return Write({settings::Of(key, value)});
    }
    Result SetMode(OperatingMode mode) { return Write({settings::OfMode(mode)}); }

  private:
    std::string Read(std::string_view section, std::string_view key, std::size_t size) const;
    std::uint32_t Number(std::string_view section, std::string_view key,
                         std::int32_t readDefault) const;

    std::string path_;
    mutable std::string text_;
    mutable files::FileStamp stamp_;
    mutable bool read_ = false;
    bool fixed_ = false;
};

}  // namespace harbinet
