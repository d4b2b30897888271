// A game folder with the program installed in Manual Mode, Spring of set 1 recorded, and two
// terrain sets in the store whose files hold their own place in the store:
//   set 1 "Channel": seasons of MAP.TER and GRAS1.TPC, skins P51.TPC, common file CHAN.CMN;
//   set 2 "Pacific": no seasons, low ground-object detail, MAP.TER, skin SPIT.3DZ, common
//   files ISLANDS.CMN and PAC.DAT.
// The game folder holds an earlier set's OLD.TER and POLD.TPC.
#pragma once

#include <gtest/gtest.h>

#include "program/Commands.h"
#include "support/GameFolder.h"

namespace harbinet::test {

class SeasonFixture : public ::testing::Test {
  protected:
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();
    const std::string game = g.Game();

    void SetUp() override {
        WriteSettings();
        for (Season season : kSeasons) {
            const std::string folder = "Channel/" + std::string(SeasonName(season)) + "/";
            Store("Terrain/" + folder + "MAP.TER");
            Store("Terrain/" + folder + "GRAS1.TPC");
            Store("Skins/" + folder + "P51.TPC");
        }
        for (const char* file :
             {"Common/Channel/CHAN.CMN", "Terrain/Pacific/MAP.TER", "Skins/Pacific/SPIT.3DZ",
              "Common/Pacific/ISLANDS.CMN", "Common/Pacific/PAC.DAT"})
            Store(file);
        WriteFile(game + "OLD.TER", "from an earlier set");
        WriteFile(game + "POLD.TPC", "an earlier skin");
    }
    static constexpr const char* kLists =
        "TerrainFiles=*.TER,GRAS*.TPC\r\nSkinFiles=P*.TPC,*.3DZ\r\nCommonFiles=*.CMN,PAC.DAT\r\n";
    // The settings file with these pattern lists.
    void WriteSettings(const std::string& lists = kLists) {
        WriteFile(g.Settings(),
                  "[Harbinet]\r\nMode=0\r\nTerrain=1\r\nTerrainSet=1\r\nSavedObjectDetail=2\r\n" +
                      lists +
                      "[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\nObjectsLow1=0\r\n"
                      "Terrain2=Pacific\r\nSeasons2=0\r\nObjectsLow2=1\r\n");
    }
    std::string Setting(const std::string& key) const { return g.Setting("Harbinet", key); }
    void Store(const std::string& relative) { WriteFile(g.Own() + relative, relative); }
    std::string Game(const std::string& name) const { return ReadFile(game + name); }
    // The season whose MAP.TER of set 1 the game folder holds, "" for any other.
    std::string InstalledSeason() const {
        const std::string map = Game("MAP.TER");
        return map.starts_with("Terrain/Channel/") ? map.substr(16, map.size() - 24) : "";
    }
    void Run(int id) { EXPECT_TRUE(RunCommand(*state, *DecodeCommand(id))) << id; }
};

}  // namespace harbinet::test
