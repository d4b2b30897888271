// Which installed skin each aircraft model wears in each season of a terrain set, kept in the
// set's choices file in the skin catalogue, and the staging of those skins' files into the
// set's season folders, from where season changes copy them into the game.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "change/Change.h"
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

    // Reads the entries a file holds (a shorter file only the first ones) and keeps the path. A
    // missing file reads nothing and is no failure.
    Result LoadChoices(const std::string& path);
    const std::string& Path() const { return path_; }
    // Saving goes to this path from now on.
    void MoveTo(const std::string& path) { path_ = path; }
    // The file as saving writes it: the entries over the loaded file's bytes, so that a longer
    // file keeps what it holds beyond them.
    std::string Bytes() const;

  private:
    std::string path_;
    std::string loaded_;
    std::array<std::uint32_t, kSeasonRows * AircraftModelTable::kCount> entries_{};
};

// The choices file of terrain set n: NAME.DAT in the catalogue, or "Set NAME.DAT" for a name
// of digits only, whose NAME.DAT is the record of a skin. Fails for an empty slot and for a
// name that cannot be a file name.
Result ChoicesFileOf(const ProgramState& state, unsigned set, std::string& file);

// Loads the choices of set n (from NAME.DAT of a digits-only set that has no "Set NAME.DAT"
// yet, as older versions kept them); a set without a file yet has the game's skins everywhere.
// Fails when the set cannot have choices or its file cannot be read.
Result LoadChoicesOf(const ProgramState& state, unsigned set, SeasonSkinChoices& choices);

// Saving the choices of set n and staging them: every season folder of the set (its one folder
// for a set without seasons) holds, for each "SkinFiles" pattern, exactly the chosen skins'
// files, their "n_" dropped.
void PlanTerrainSkins(Planner& plan, const ProgramState& state, unsigned set,
                      const SeasonSkinChoices& choices);

// The OK of the terrain set's skins: saves and stages as one change. Refused, saying why, when
// the pattern list is empty.
ChangeResult ConfirmTerrainSkins(ProgramState& state, unsigned set,
                                 const SeasonSkinChoices& choices);

}  // namespace harbinet
