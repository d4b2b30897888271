#include "support/GameFolder.h"

#include <filesystem>
#include <vector>

namespace harbinet::test {

GameFolder::GameFolder(bool withGame) {
    game_ = dir_ / "EAW/";
    own_ = game_ + "Harbinet/";
    MakeFolder(own_);
    if (withGame) {
        WriteFile(game_ + "EAW.EXE", "MZ stand-in");
        WriteFile(game_ + "EAW.INI", "[GRAPHICS]\r\n3dCityTargets=2\r\n");
    }
}

std::string GameFolder::AddCareer(const std::string& name, const CareerFields& fields) {
    return WriteFile(game_ + "Savedata/" + name, EncodeCareerSave(fields));
}

std::string GameFolder::Values(std::string_view section,
                               std::initializer_list<const char*> keys) const {
    std::string out;
    for (const char* key : keys) out += Setting(section, key) + "|";
    return out;
}

std::unique_ptr<ProgramState> GameFolder::MakeState() {
    return std::make_unique<ProgramState>(Folders::FromExecutable(own_ + "harbinet"), ui, desktop);
}

std::string KeptFiles(const GameFolder& g) {
    std::vector<std::string> kept;
    std::error_code ec;
    for (const auto& e : std::filesystem::recursive_directory_iterator(g.Own() + "Originals", ec))
        if (e.is_regular_file())
            kept.push_back(e.path().filename().string() + "=" + ReadFile(e.path().string()));
    return Sorted(std::move(kept));
}

}  // namespace harbinet::test
