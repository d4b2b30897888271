// The first run: a complete settings file, the folder layout, the files of older versions
// moved into it, the desktop entry, the game's default terrain and the offer of two more sets.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/ProgramState.h"

namespace harbinet {

// Installed beside the program and moved into the skin catalogue's folder, in this order.
inline constexpr std::array<std::string_view, 6> kCataloguePictures = {
    "EAWLOGO.GIF", "NOIMAGE.GIF", "SPRING.GIF", "SUMMER.GIF", "AUTUMN.GIF", "WINTER.GIF"};

// Seeds the program's folder from a system-wide install, makes the folders and the desktop entry,
// moves the season folders of older versions into "Channel Front", removes installed terrain from
// the game folder and asks whether to add the Mediterranean and Pacific sets; then writes every
// default in one replace of the settings file, "Mode" among them, so that an installation cut short
// runs again at the next start. Sets Mode to Manual.
void RunFirstInstallation(ProgramState& state);

// Steps the upgrade shares with the first installation.

// The game's own ground-object detail, which "SavedObjectDetail" keeps (2 without an EAW.INI).
std::int32_t GameObjectDetail(const Folders& folders);
// "InitialFolder" of the skin catalogue = the folder for temporary files.
void SetSkinsInitialFolder(const Folders& folders);
// Moves the pictures from the program's folder to the catalogue's; a picture already there is
// kept and the program folder's copy deleted.
void MoveCataloguePictures(const Folders& folders);

// Copy-by-pattern from source to target, then each source file whose copy is in the target is
// deleted; a file that could not be copied stays where it was. Without a matching file in the
// source nothing changes.
void MoveMatchingFiles(const std::string& source, const std::string& target,
                       std::string_view pattern);

}  // namespace harbinet
