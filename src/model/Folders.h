// The folders the program derives from its own location: its own folder in the game's folder,
// and the stores and settings file inside it.
#pragma once

#include <string>
#include <vector>

namespace harbinet {

// Folder strings end in "/" and paths are built from them by plain concatenation.
struct Folders {
    std::string ExecutablePath;       // full path of the program that serves OwnFolder
    std::string OwnFolder;            // the program's folder
    std::string GameFolder;           // its parent: EAW.EXE, EAW.INI, Savedata
    std::string TerrainFolder;        // OwnFolder + "Terrain/"
    std::string SkinsFolder;          // OwnFolder + "Skins/"
    std::string CommonFolder;         // OwnFolder + "Common/"
    std::string SkinCatalogueFolder;  // OwnFolder + "Vandelholt/"
    std::string SettingsPath;         // OwnFolder + executable name + ".INI"
    // A system-wide install's own files (desktop::InstalledDataFolder), which seed a new
    // OwnFolder; empty for a program copied into the game folder.
    std::string DataFolder;

    // Derived from the executable's full path, as the program derives them at start-up, each
    // name matched ignoring letter case against what is on disk. A program in the root folder
    // gets an empty game folder, as on Windows.
    static Folders FromExecutable(const std::string& executablePath);
    // The program at programPath acting as if it were installed in folder (ending in "/"), as
    // "--folder" asks.
    static Folders Serving(const std::string& folder, const std::string& programPath);

    // The command that starts the program for these folders: its path, followed by
    // "--folder OwnFolder" when it lives elsewhere.
    std::vector<std::string> StartCommand() const;
};

}  // namespace harbinet
