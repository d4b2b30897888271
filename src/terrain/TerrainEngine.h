// Moves terrain, skin and common files between the program's store folders and the game's
// folder by wildcard patterns. Stateless; it reports nothing itself and skips what fails.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harbinet::terrain {

// A pattern that is absent (not merely empty) means this.
inline constexpr std::string_view kDefaultPattern = "*.TER";

// The game's own files (EAW.INI, executables and libraries) are never deleted, replaced or
// copied, whatever the pattern.

// Deletes every file of the folder (ending in "/") whose name matches the pattern.
void DeleteMatchingFiles(const std::string& folder, std::optional<std::string_view> pattern = {});

// Replaces the target's matching files by the source's: the target's go first, so that no file
// of an earlier installation survives beside the new ones; a target file that is already a copy
// made from its source file (same name, size, time and mode) is left in place. Returns the source files
// whose copy did not complete (a read-only target, a full disk). A target file whose name differs
// only in letter case is the one replaced. A folder copied onto itself is left alone.
std::vector<std::string> CopyMatchingFiles(const std::string& source, const std::string& target,
                                           std::optional<std::string_view> pattern = {});

// CopyMatchingFiles for each pattern of a comma-separated list, in order.
std::vector<std::string> CopyMatchingList(const std::string& source, const std::string& target,
                                          std::string_view list);

// Calls the action for each comma-separated piece of a pattern list, in order. Pieces are not
// trimmed; an empty piece is passed on as an empty pattern, which matches nothing.
void ForEachPattern(std::string_view list, const std::function<void(std::string_view)>& action);

}  // namespace harbinet::terrain
