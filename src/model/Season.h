// The seasons of the terrain and the two operating modes, as the settings file stores them.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace harbinet {

// Stored in "Terrain": 1 Spring .. 4 Winter.
enum class Season : std::int32_t { Spring = 1, Summer = 2, Autumn = 3, Winter = 4 };

inline constexpr std::array<Season, 4> kSeasons = {Season::Spring, Season::Summer, Season::Autumn,
                                                   Season::Winter};

// The season a stored value names; none outside 1..4 (a hand-edited file, or nothing recorded).
inline std::optional<Season> SeasonFromStored(std::int32_t value) {
    if (value < 1 || value > 4) return std::nullopt;
    return static_cast<Season>(value);
}

inline std::int32_t Stored(Season season) {
    return static_cast<std::int32_t>(season);
}

// "Spring" .. "Winter": the season's store folder, and its word in texts.
inline std::string_view SeasonName(Season season) {
    static constexpr std::string_view kNames[] = {"Spring", "Summer", "Autumn", "Winter"};
    return kNames[Stored(season) - 1];
}

// "Mode": 1 Automatic, 0 Manual; missing (-1) means the folder was never installed. Any other
// value is not Automatic, so it counts as Manual.
enum class OperatingMode { NotInstalled, Manual, Automatic };

inline OperatingMode ModeFromStored(std::int32_t value) {
    if (value == -1) return OperatingMode::NotInstalled;
    return value == 1 ? OperatingMode::Automatic : OperatingMode::Manual;
}

}  // namespace harbinet
