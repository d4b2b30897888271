#include "support/GameFolder.h"

#include <cstring>

namespace harbinet::test {

std::string CareerBytes(const CareerFields& f, std::size_t length) {
    std::string bytes(0x22FB1, '\0');
    for (std::size_t i = 0; i < 0x220B1; ++i) bytes[i] = static_cast<char>(i * 7 + 3);
    bytes[0x220B1] = static_cast<char>(f.year & 0xFF);
    bytes[0x220B2] = static_cast<char>(f.year >> 8);
    bytes[0x220B3] = static_cast<char>(f.monthIndex);
    bytes[0x220B4] = static_cast<char>(f.dayIndex);
    std::memcpy(&bytes[0x22F11], f.name1.data(), std::min<std::size_t>(f.name1.size(), 80));
    std::memcpy(&bytes[0x22F61], f.name2.data(), std::min<std::size_t>(f.name2.size(), 80));
    bytes.resize(length);
    return bytes;
}

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
    return WriteFile(game_ + "Savedata/" + name, CareerBytes(fields));
}

std::unique_ptr<FrameState> GameFolder::MakeState() {
    return std::make_unique<FrameState>(Folders::FromExecutable(own_ + "harbinet"), ui, desktop);
}

}  // namespace harbinet::test
