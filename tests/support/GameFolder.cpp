#include "support/GameFolder.h"

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

std::unique_ptr<ProgramState> GameFolder::MakeState() {
    return std::make_unique<ProgramState>(Folders::FromExecutable(own_ + "harbinet"), ui, desktop);
}

}  // namespace harbinet::test
