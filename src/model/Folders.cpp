#include "model/Folders.h"

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

    f.TerrainFolder = f.OwnFolder + "Terrain/";
    f.SkinsFolder = f.OwnFolder + "Skins/";
    f.CommonFolder = f.OwnFolder + "Common/";
    f.VandelholtFolder = f.OwnFolder + "Vandelholt/";
    f.SettingsPath = f.OwnFolder + name + ".INI";
    return f;
}

}  // namespace harbinet
