// The pattern lists by which terrain, skin and common files move between the program's store
// folders and the game's folder. The copying and deleting themselves are planned by the change
// (change/Planner.h), so that nothing the player owns is lost on the way.
#pragma once

#include <functional>
#include <string_view>

namespace harbinet::terrain {

// Calls the action for each comma-separated piece of a pattern list, in order. Pieces are not
// trimmed; an empty piece is passed on as an empty pattern, which matches nothing.
void ForEachPattern(std::string_view list, const std::function<void(std::string_view)>& action);

// True when a piece of the list would take every file of a folder, or every file without an
// extension: made only of "*", "?" and "." with at least one "*" ("*", "*.*", "*.", "?*").
bool TakesEveryFile(std::string_view list);

}  // namespace harbinet::terrain
