// Which installed skin each aircraft model wears in each season of a terrain set, kept in the
// set's choices file in the skin catalogue, and the staging of those skins' files into the
// set's season folders, from where season changes copy them into the game.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/ProgramState.h"
#include "skins/AircraftModels.h"

namespace harbinet {

class SeasonSkinChoices {
  public:
    static constexpr std::size_t kSeasonRows = 4;  // Spring..Winter; a set without seasons: 0
    // A version word, then the entries season by season, little-endian.
    static constexpr std::size_t kFileSize = 4 + 4 * kSeasonRows * AircraftModelTable::kCount;

    // The skin number chosen; 0 is the game's own skin.
    unsigned GetChoice(std::size_t row, std::size_t model) const {
        return entries_[row * AircraftModelTable::kCount + model];
    }
    void SetChoice(std::size_t row, std::size_t model, unsigned n) {
        entries_[row * AircraftModelTable::kCount + model] = n;
    }
    void ClearChoices() { entries_.fill(0); }

    // Reads the entries a file holds (a shorter file only the first ones). A missing file
    // reads nothing silently; another failure is reported. True when read.
    bool LoadChoices(const std::string& path, Host& host);
    // Writes the file at the loaded path in one atomic replace, keeping any bytes a longer
    // file holds beyond the entries. False, after reporting, when it could not be written.
    bool SaveChoices(Host& host) const;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
    std::array<std::uint32_t, kSeasonRows * AircraftModelTable::kCount> entries_{};
};

// Copies every "prefixPATTERN" file of the store into the target, the prefix dropped.
void CopyNumberedSkinFiles(const std::string& store, const std::string& target,
                           const std::string& prefix, std::string_view pattern);

// For each pattern of the list: deletes the target's matching files, then copies those of the
// skins chosen in the row.
void StageSeasonSkins(const std::string& catalogue, const std::string& target,
                      std::string_view patterns, const SeasonSkinChoices& choices, std::size_t row);

// The choices file of terrain set n; none, after saying why, for a set whose name cannot be
// a file name in the catalogue (a name of digits only would be a skin's record).
std::optional<std::string> ChoicesFileOf(const ProgramState& state, unsigned set);

// The OK of the terrain set's skins: saves the choices, then stages every season of the set
// (its one folder for a set without seasons) with the "SkinFiles" patterns. False, after
// saying why, when the choices could not be saved or the pattern list is empty.
bool ConfirmTerrainSkins(const ProgramState& state, unsigned set, const SeasonSkinChoices& choices);

}  // namespace harbinet
