// A game folder in a temporary tree: the game's files, career saves made byte by byte, and
// the program installed in a sub-folder.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "shell/FrameState.h"
#include "support/Recorder.h"
#include "support/TempDir.h"

namespace harbinet::test {

struct CareerFields {
    std::uint16_t year = 1943;
    std::uint8_t monthIndex = 5;  // month number - 1
    std::uint8_t dayIndex = 0;    // day - 1
    std::string name1 = "Hans";   // 80-byte field at 0x22F11
    std::string name2 = "Meyer";  // 80-byte field at 0x22F61
};

// The bytes of a career save with these fields, full length unless shorter is asked for.
std::string CareerBytes(const CareerFields& fields, std::size_t length = 0x22FB1);

class GameFolder {
public:
    // Lays out root/EAW/ with EAW.EXE and EAW.INI, and the program's folder root/EAW/Harbinet/.
    explicit GameFolder(bool withGame = true);

    const std::string& Game() const { return game_; }     // ends in "/"
    const std::string& Own() const { return own_; }       // ends in "/"
    std::string Settings() const { return own_ + "harbinet.INI"; }

    // A career save in Savedata/; returns its path.
    std::string AddCareer(const std::string& name, const CareerFields& fields);

    // Frame state of the program installed here, with recording services.
    std::unique_ptr<FrameState> MakeState();

    RecordingServices ui;
    RecordingDesktop desktop;

private:
    TempDir dir_;
    std::string game_, own_;
};

}  // namespace harbinet::test
