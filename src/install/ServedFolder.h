// The folder a program installed system-wide serves: the one given with "--folder", else the
// one it served last, else the game folder the user picks once (the program then makes its
// folder, "Harbinet", inside it). A program copied into the game folder serves its own folder.
#pragma once

#include <optional>
#include <string>

#include "model/Folders.h"
#include "platform/Result.h"

namespace harbinet {

// Where the last folder is kept: "harbinet/folder" in the user's configuration folder, one line.
std::string RememberedFolderFile();
// The folder served last, ending in "/", while it still exists; else empty.
std::string RememberedFolder();
// False when it could not be written (or holds a line break, which one line cannot keep).
bool RememberFolder(const std::string& folder);

// The folder the program at programPath serves, ending in "/": the one given on the command line
// (its real path), else for a system-wide install the remembered one, else the program's own
// folder. Empty when a system-wide install knows none yet: the user picks the game.
std::string ServedFolderFor(const std::string& programPath,
                            const std::optional<std::string>& given);

// Before anything is made for a served folder: its parent must hold the game ("EAW.EXE", any
// letter case); the folder is then made when missing. Fails, nothing made, when not.
Result PrepareServedFolder(const std::string& folder);

// The program's folder in a game folder (own): "Harbinet" in any letter case, made when missing.
// Fails when the folder does not hold the game ("EAW.EXE", any letter case) or the program's
// folder cannot be made.
Result ProgramFolderInGame(const std::string& gameFolder, std::string& own);

// Copies what a system-wide install keeps for every program folder (sounds, pictures, manual)
// into the program's folder, each file only when the folder has none of that name.
void SeedProgramFolder(const Folders& folders);

}  // namespace harbinet
