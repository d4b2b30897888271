#include "model/Settings.h"

#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/TextEncoding.h"

namespace harbinet {

namespace settings {

std::string_view InstalledValueOf(std::string_view key) {
    for (const InstalledValue& v : kInstalled)
        if (v.key == key) return v.value;
    return {};
}

namespace {
Value Main(std::string_view key, std::string value) {
    return {std::string(kSection), std::string(key), std::move(value)};
}
}  // namespace

Value Of(const IntKey& key, std::int32_t value) {
    return Main(key.name, std::to_string(value));
}
Value Of(const UnsignedKey& key, std::uint32_t value) {
    return Main(key.name, std::to_string(value));
}
Value Of(const FlagKey& key, bool value) {
    return Main(key.name, value ? "1" : "0");
}
Value Of(const TextKey& key, std::string_view value) {
    return Main(key.name, std::string(value));
}
Value OfMode(OperatingMode mode) {
    return Of(kMode, mode == OperatingMode::Automatic ? 1 : 0);
}
Value OfSeason(std::optional<Season> season) {
    return Of(kTerrain, season ? Stored(*season) : 0);
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

Value TerrainSetName(unsigned n, std::string_view name) {
    return {std::string(kTerrainSets), TerrainNameKey(n), std::string(name)};
}
Value TerrainSetSeasons(unsigned n, bool seasons) {
    return {std::string(kTerrainSets), SeasonsKey(n), seasons ? "1" : "0"};
}
Value TerrainSetObjectsLow(unsigned n, bool low) {
    return {std::string(kTerrainSets), ObjectsLowKey(n), low ? "1" : "0"};
}
Value AppDescription(unsigned n, std::string_view text) {
    return {std::string(kExternal), AppDescKey(n), std::string(text)};
}
Value AppExecutable(unsigned n, std::string_view text) {
    return {std::string(kExternal), AppExeKey(n), std::string(text)};
}

}  // namespace settings

namespace game_ini {

namespace {
constexpr std::string_view kGraphics = "GRAPHICS";
constexpr std::string_view kCityTargets = "3dCityTargets";
}  // namespace

std::string PathIn(const std::string& gameFolder) {
    return files::ResolveName(gameFolder, settings::kGameIni);
}

std::int32_t CityTargets(std::string_view text) {
    return static_cast<std::int32_t>(
        profile::GetIntFromText(text, kGraphics, kCityTargets, kCityTargetsDefault));
}

settings::Value CityTargetsValue(std::int32_t value) {
    return {std::string(kGraphics), std::string(kCityTargets), std::to_string(value)};
}

}  // namespace game_ini

const std::string& Settings::Text() const {
    if (fixed_) return text_;
    // A replaced or rewritten file has another inode, size, time or change time; a link is
    // read each time, since its stamp does not follow it.
    const files::FileStamp now = files::Stamp(path_);
    if (read_ && now == stamp_ && now.type != files::FileStamp::Type::Link) return text_;
    if (!profile::ReadFile(path_, text_)) text_.clear();
    stamp_ = now;
    read_ = true;
    return text_;
}

void Settings::Reload() {
    read_ = false;
}

std::string Settings::Read(std::string_view section, std::string_view key, std::size_t size) const {
    // Files brought over from Windows hold their texts in its code page.
    const std::string raw = profile::GetStringFromText(Text(), section, key, "", size);
    return Utf8OrCp1252(raw, size > 0 && raw.size() == size - 1);
}

std::uint32_t Settings::Number(std::string_view section, std::string_view key,
                               std::int32_t readDefault) const {
    return profile::GetIntFromText(Text(), section, key, readDefault);
}

std::int32_t Settings::Get(const settings::IntKey& key) const {
    return static_cast<std::int32_t>(Number(settings::kSection, key.name, key.readDefault));
}
std::uint32_t Settings::Get(const settings::UnsignedKey& key) const {
    return Number(settings::kSection, key.name, static_cast<std::int32_t>(key.readDefault));
}
bool Settings::Get(const settings::FlagKey& key) const {
    return Number(settings::kSection, key.name, 0) != 0;
}
std::string Settings::Get(const settings::TextKey& key) const {
    return Read(settings::kSection, key.name, 256);
}

unsigned Settings::ActiveSet() const {
    const std::int32_t set = Get(settings::kTerrainSet);
    return set >= 1 && set <= static_cast<std::int32_t>(settings::kMaxTerrainSets)
               ? static_cast<unsigned>(set)
               : 0;
}

std::string Settings::TerrainSetName(unsigned n, std::size_t size) const {
    return Read(settings::kTerrainSets, settings::TerrainNameKey(n), size);
}
bool Settings::TerrainSetHasSeasons(unsigned n) const {
    return Number(settings::kTerrainSets, settings::SeasonsKey(n), 0) != 0;
}
bool Settings::TerrainSetObjectsLow(unsigned n) const {
    return Number(settings::kTerrainSets, settings::ObjectsLowKey(n), 0) != 0;
}
std::string Settings::AppDescription(unsigned n) const {
    return Read(settings::kExternal, settings::AppDescKey(n), 256);
}
std::string Settings::AppExecutable(unsigned n) const {
    return Read(settings::kExternal, settings::AppExeKey(n), 256);
}

Result Settings::Write(const std::vector<settings::Value>& values) {
    std::string after;
    if (!profile::Update(path_, values, &after))
        return Result::Failure(Format(text::kUnableToWrite, path_.c_str()), path_);
    text_ = std::move(after);
    stamp_ = files::Stamp(path_);
    read_ = true;
    return {};
}

}  // namespace harbinet
