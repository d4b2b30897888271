// The terrain sets as the user keeps them: the 25 slots of section TerrainSets, each a name
// with two flags, and the folders a set gets in the terrain, skins and common stores.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/ProgramState.h"

namespace harbinet {

struct TerrainSetRow {
    unsigned slot = 0;  // 1..25
    std::string name;
    bool seasons = false;
    bool objectsLow = false;
};

class TerrainSetList {
  public:
    static constexpr std::size_t kNameLimit = 60;  // characters, as the edit field takes

    explicit TerrainSetList(ProgramState& state) : state_(state) {}

    // The used slots (a nonempty name), in slot order.
    std::vector<TerrainSetRow> Rows() const;
    std::optional<TerrainSetRow> Row(unsigned slot) const;
    // The same, saying "Terrain set N does not exist" when the slot is free.
    std::optional<TerrainSetRow> ExistingRow(unsigned slot) const;
    std::optional<unsigned> FirstFreeSlot() const;

    // Why a typed name cannot name a new set ("" when it can): it must make one folder name,
    // not be a number (the skin catalogue's record of that skin), fit the edit field, and
    // differ ignoring letter case from every other set's name (both would share folders and
    // skin choices). The name is taken trimmed of blanks.
    std::string RefusalOf(std::string_view name) const;

    // Writes the name (trimmed) and flags into the first free slot, then creates the set's
    // folders. The slot, or none after saying why (a full list, a refused name, a failed write).
    std::optional<unsigned> Add(std::string_view name, bool seasons, bool objectsLow) const;
    // Writes the two flags; switching seasons on creates the season folders. The name stays.
    // False after saying why.
    bool Modify(unsigned slot, bool seasons, bool objectsLow) const;
    // Asks the user, then frees the slot (name emptied, flags "0") and deletes the set's skin
    // choices file; the set's folders stay. The active set first gives the game back its
    // default terrain (the question says so), and stays when that fails. True when deleted.
    bool Delete(unsigned slot) const;

  private:
    void CreateFolders(const std::string& name, bool seasons, bool common) const;

    ProgramState& state_;
};

}  // namespace harbinet
