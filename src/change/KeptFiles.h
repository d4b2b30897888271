// The player's files a change took out of the game folder or the stores, kept in "Originals/"
// of the program's folder: one folder per change, named by its local time, holding each file
// under its path in the game folder.
#pragma once

#include <string>
#include <vector>

#include "change/Change.h"

namespace harbinet {

struct KeptFile {
    std::string listed;  // "CHANGE/PATH", as the list shows it and a restore names it
    std::string path;    // where it came from, relative to the game folder
    std::string stored;  // where it is now
};

// Every kept file, oldest change first.
std::vector<KeptFile> ListKeptFiles(const Folders& folders);

// Puts a kept file ("CHANGE/PATH" as listed) back where it came from, as one change. A file
// there now is replaced when it is Harbinet's copy, else kept in its turn. Refused for a name
// that is no kept file.
ChangeResult RestoreKeptFile(ProgramState& state, const std::string& listed);

}  // namespace harbinet
