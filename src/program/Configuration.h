// The program's general options as the Configure dialog edits them: four behaviour flags, the
// usual ground-object detail and the three pattern lists, checked and stored in one place.
#pragma once

#include <optional>
#include <string>

#include "model/ProgramState.h"

namespace harbinet {

struct Configuration {
    bool clickDefault = false;
    bool loadOnStart = false;
    bool copySkins = false;
    bool launchAfter = false;
    // 0 Low, 1 Medium, 2 High; none when the stored value is none of these, which then stays.
    std::optional<unsigned> objectDetail;
    std::string terrainFiles;
    std::string skinFiles;
    std::string commonFiles;
};

Configuration ReadConfiguration(const ProgramState& state);

// "Terrain", "Skins" or "Common" for the first list that is refused, in that order; none when
// all pass. Terrain and skin lists may not be empty, and no list may end in a comma or take
// every file of the game ("*", "*.*").
std::optional<std::string> RefusedPatternList(const Configuration& options);
// The message for a refused list, as the user sees it.
std::string RefusedPatternListText(const std::string& list);

// Registers the start at login, then stores the options in one write ("LoadOnStart" only when
// the registration succeeded). Failures are reported through the host; false when any step
// failed, and the settings are then as they were when their write failed.
bool ApplyConfiguration(ProgramState& state, const Configuration& options);

}  // namespace harbinet
