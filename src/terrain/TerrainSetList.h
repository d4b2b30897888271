// The terrain sets as the user keeps them: the 25 slots of section TerrainSets, each a name
// with two flags, and the folders a set gets in the terrain, skins and common stores.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "change/Change.h"
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
    // Success when the slot is used, else "Terrain set N does not exist".
    Result Exists(unsigned slot) const;
    std::optional<unsigned> FirstFreeSlot() const;

    // Why a typed name cannot name a new set ("" when it can): it must make one folder name,
    // not be a number (the skin catalogue's record of that skin), fit the edit field, and
    // differ ignoring letter case from every other set's name (both would share folders and
    // skin choices). The name is taken trimmed of blanks.
    std::string RefusalOf(std::string_view name) const;

    // Writes the name (trimmed) and flags into the first free slot (slot gets it), then creates
    // the set's folders. Fails on a full list, a refused name, a failed write.
    Result Add(std::string_view name, bool seasons, bool objectsLow, unsigned& slot) const;
    // Writes the two flags; switching seasons on creates the season folders. The name stays.
    Result Modify(unsigned slot, bool seasons, bool objectsLow) const;
    // What the user is asked before a set is deleted; the active set's question says that the
    // game gets its default terrain back.
    std::string DeleteQuestion(const TerrainSetRow& row) const;
    // Frees the slot of the set asked about (name emptied, flags "0") and deletes the set's
    // skin choices file; the set's folders stay. Nothing happens when the slot holds another set
    // by now. The active set first gives the game back its default terrain, and stays when
    // that fails.
    ChangeResult Delete(const TerrainSetRow& asked) const;

  private:
    Result CreateFolders(const std::string& name, bool seasons, bool common) const;

    ProgramState& state_;
};

}  // namespace harbinet
