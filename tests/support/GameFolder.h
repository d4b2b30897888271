// A game folder in a temporary tree: the game's files, career saves made byte by byte, and
// the program installed in a sub-folder.
#pragma once

#include <memory>
#include <string>

#include "model/ProgramState.h"
#include "platform/Profile.h"
#include "support/CareerSave.h"
#include "support/Recorder.h"
#include "support/TempDir.h"

namespace harbinet::test {

class GameFolder {
  public:
    // Lays out root/EAW/ with EAW.EXE and EAW.INI, and the program's folder root/EAW/Harbinet/.
    explicit GameFolder(bool withGame = true);

    const std::string& Game() const { return game_; }  // ends in "/"
    const std::string& Own() const { return own_; }    // ends in "/"
    std::string Settings() const { return own_ + "harbinet.INI"; }
    // A value of the settings file, "<missing>" when the key is not there.
    std::string Setting(std::string_view section, std::string_view key) const {
        return profile::GetString(Settings(), section, key, "<missing>");
    }
    // The values of these keys of a section, each followed by "|".
    std::string Values(std::string_view section, std::initializer_list<const char*> keys) const;

    // A career save in Savedata/; returns its path.
    std::string AddCareer(const std::string& name, const CareerFields& fields);

    // State of the program installed here, with the recording host and desktop.
    std::unique_ptr<ProgramState> MakeState();

    RecordingHost ui;
    RecordingDesktop desktop;

  private:
    TempDir dir_;
    std::string game_, own_;
};

// The files Harbinet kept for the player, as "NAME=BYTES" in name order, whatever change and
// path they were kept under.
std::string KeptFiles(const GameFolder& g);

}  // namespace harbinet::test
