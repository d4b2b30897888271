// The first run: a complete settings file, the folder layout, the files of older versions
// moved into it, the desktop entry, the game's default terrain and the offer of two more sets.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "change/Change.h"
#include "change/Planner.h"
#include "model/ProgramState.h"

namespace harbinet {

// Installed beside the program and moved into the skin catalogue's folder, in this order.
inline constexpr std::array<std::string_view, 6> kCataloguePictures = {
    "EAWLOGO.GIF", "NOIMAGE.GIF", "SPRING.GIF", "SUMMER.GIF", "AUTUMN.GIF", "WINTER.GIF"};

// Seeds the program's folder from a system-wide install, makes the desktop entry, then, as one
// change: makes the folders (with the Mediterranean and Pacific sets when extraSets), moves the
// season folders of older versions into "Channel Front", removes installed terrain from the game
// folder and writes every default, "Mode" (Manual) last.
ChangeResult RunFirstInstallation(ProgramState& state, bool extraSets);

// Steps the upgrade shares with the first installation.

// The game's own ground-object detail, which "SavedObjectDetail" keeps (2 without an EAW.INI).
std::int32_t GameObjectDetail(const Folders& folders);
// "InitialFolder" of the skin catalogue = the user's downloads folder, else the home folder.
void PlanSkinsInitialFolder(Planner& plan, const Folders& folders);
// The pictures move from the program's folder to the catalogue's; where the catalogue has one
// already, the program folder's copy goes (kept when it differs).
void PlanCataloguePictures(Planner& plan, const Folders& folders);
// Every file of `from` matching the pattern moves into `to`, replacing a file of its name there
// (kept when it differs); the matching files of `to` without a counterpart are kept too, so
// that `to` ends with exactly the moved files. Without a file to move nothing changes.
void PlanMoveMatchingFiles(Planner& plan, const std::string& from, const std::string& to,
                           std::string_view pattern);

}  // namespace harbinet
