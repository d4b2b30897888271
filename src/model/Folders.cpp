#include "model/Folders.h"

#include "platform/DesktopIntegration.h"
#include "platform/Files.h"

namespace harbinet {

Folders Folders::FromExecutable(const std::string& executablePath) {
    return Serving(files::FolderOf(executablePath), executablePath);
}

Folders Folders::Serving(const std::string& folder, const std::string& programPath) {
    Folders f;
    f.ExecutablePath = programPath;
    f.OwnFolder = folder;
    f.DataFolder = desktop::InstalledDataFolder(files::FolderOf(programPath));
    std::string name = files::NameOf(programPath);
    if (auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);

    // The parent: drop the trailing "/" and everything after the "/" before it.
    std::string parent = f.OwnFolder;
    if (!parent.empty()) parent.pop_back();
    f.GameFolder = files::FolderOf(parent);

    // A folder brought over from Windows may spell these in any letter case; the names as
    // written here are made only when nothing matches.
    f.TerrainFolder = files::ResolveName(f.OwnFolder, "Terrain") + "/";
    f.SkinsFolder = files::ResolveName(f.OwnFolder, "Skins") + "/";
    f.CommonFolder = files::ResolveName(f.OwnFolder, "Common") + "/";
    f.SkinCatalogueFolder = files::ResolveName(f.OwnFolder, "Vandelholt") + "/";
    f.SettingsPath = files::ResolveName(f.OwnFolder, name + ".INI");
    return f;
}

std::vector<std::string> Folders::StartCommand() const {
    if (files::FolderOf(ExecutablePath) == OwnFolder) return {ExecutablePath};
    return {ExecutablePath, "--folder", OwnFolder};
}

}  // namespace harbinet
