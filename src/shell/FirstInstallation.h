// The first run: a complete settings file, the folder layout, the files of older versions
// moved into it, the desktop entry, the game's default terrain and the offer of two more sets.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "shell/FrameState.h"

namespace harbinet {

namespace text {
inline constexpr const char* kAddTerrainSetsQuestion =
    "Do you wish to add support for Mediterranean and Pacific Terrain Sets?";
}  // namespace text

// Installed beside the program and moved into the skin catalogue's folder, in this order.
inline constexpr std::array<std::string_view, 6> kCataloguePictures = {
    "EAWLOGO.GIF", "NOIMAGE.GIF", "SPRING.GIF", "SUMMER.GIF", "AUTUMN.GIF", "WINTER.GIF"};

// Writes every default, makes the folders and the desktop entry, moves the season folders of
// older versions into "Channel Front", installs the game's default terrain and asks whether
// to add the Mediterranean and Pacific sets. Sets Mode to 0.
void RunFirstInstallation(FrameState& state, const std::string& executablePath);

// Steps the upgrade shares with the first installation.

// "SavedObjectDetail" = the game's own ground-object detail (2 without an EAW.INI).
void CopyGameObjectDetail(const FrameState& state);
// "InitialFolder" of the skin catalogue = the folder for temporary files.
void SetSkinsInitialFolder(const FrameState& state);
// Moves the pictures from the program's folder to the catalogue's; a picture already there is
// kept and the program folder's copy deleted.
void MoveCataloguePictures(const FrameState& state);

// Moves a file unless the target (found ignoring letter case) exists; the source is deleted
// only once its copy is in place. False when the source stays.
bool MoveFileIfAbsent(const std::string& source, const std::string& targetFolder,
                      const std::string& name);
// Copy-by-pattern from source to target, then each source file whose copy is in the target is
// deleted; a file that could not be copied stays where it was. Without a matching file in the
// source nothing changes.
void MoveMatchingFiles(const std::string& source, const std::string& target,
                       std::string_view pattern);

}  // namespace harbinet
