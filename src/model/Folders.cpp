#include "model/Folders.h"

#include "platform/Files.h"

namespace harbinet {

Folders Folders::FromExecutable(const std::string& executablePath) {
    Folders f;
    f.ExecutablePath = executablePath;
    const auto slash = executablePath.rfind('/');
    f.OwnFolder = slash == std::string::npos ? std::string() : executablePath.substr(0, slash + 1);
    std::string name = executablePath.substr(slash == std::string::npos ? 0 : slash + 1);
    if (auto dot = name.rfind('.'); dot != std::string::npos && dot > 0) name.erase(dot);

    // The parent: drop the trailing "/" and everything after the "/" before it.
    std::string parent = f.OwnFolder;
    if (!parent.empty()) parent.pop_back();
    const auto parentSlash = parent.rfind('/');
    f.GameFolder =
        parentSlash == std::string::npos ? std::string() : parent.substr(0, parentSlash + 1);

    // A folder brought over from Windows may spell these in any letter case; the names as
    // written here are made only when nothing matches.
    f.TerrainFolder = files::ResolveName(f.OwnFolder, "Terrain") + "/";
    f.SkinsFolder = files::ResolveName(f.OwnFolder, "Skins") + "/";
    f.CommonFolder = files::ResolveName(f.OwnFolder, "Common") + "/";
    f.SkinCatalogueFolder = files::ResolveName(f.OwnFolder, "Vandelholt") + "/";
    f.SettingsPath = files::ResolveName(f.OwnFolder, name + ".INI");
    return f;
}

}  // namespace harbinet
