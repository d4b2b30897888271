// A plan as the player reads it before a change (a dry run) and the differences between the game
// folder and what a change would make of it (verify), one tab-separated line each.
#pragma once

#include <string>
#include <vector>

#include "change/Plan.h"
#include "model/Folders.h"

namespace harbinet {

// "delete NAME", "keep NAME", "copy STORE-PATH NAME", "save NAME", "setting FILE SECTION KEY
// VALUE", in the order the change runs them, then "total D deletes C copies K kept BYTES bytes".
// Names are relative to the game folder, store paths to the program's folder; the rarer steps of
// other changes show as "move FROM TO", "erase NAME", "folder NAME", "remove-folder NAME" and
// "write NAME".
std::string PlanLines(const Plan& plan, const Folders& folders);

// What differs from the plan's outcome, the bytes compared: "missing NAME" (a store file not in
// the game folder), "differs NAME" (there, but other bytes), "foreign NAME" (a file the patterns
// match that no store gave), "extra NAME" (a copy of a store file that does not belong to what is
// installed), "setting FILE SECTION KEY VALUE" (a value that should read so). Links are never
// followed; pipes and devices are passed over.
std::vector<std::string> Differences(const Plan& plan, const Folders& folders);

}  // namespace harbinet
