// A game folder with the program installed, its settings file written as text, and a store of
// terrain sets whose files say where they came from.
#pragma once

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>
#include <string>

#include "platform/Profile.h"
#include "support/GameFolder.h"

namespace harbinet::test {

class SeasonFixture : public ::testing::Test {
protected:
    GameFolder g;
    std::unique_ptr<FrameState> state = g.MakeState();
    const std::string game = g.Game();

    // Settings file of an installed program: the lines of section Harbinet and of TerrainSets.
    void WriteSettings(const std::string& harbinet, const std::string& terrainSets) {
        WriteFile(g.Settings(), "[Harbinet]\r\n" + harbinet + "[TerrainSets]\r\n" + terrainSets);
    }
    std::string Setting(const std::string& key) const {
        return profile::GetString(g.Settings(), "Harbinet", key, "<missing>");
    }
    // One current set, "Channel", with seasons, whose MAP.TER holds the season's name;
    // `harbinet` adds lines at the top of section Harbinet.
    void UseChannelSet(const std::string& harbinet = "") {
        WriteSettings(harbinet + "Terrain=1\r\nTerrainSet=1\r\nTerrainFiles=*.TER\r\n",
                      "Terrain1=Channel\r\nSeasons1=1\r\n");
        for (const char* season : {"Spring", "Summer", "Autumn", "Winter"})
            WriteFile(g.Own() + "Terrain/Channel/" + season + "/MAP.TER", season);
        state->TerrainSet = 1;
    }
    // A store file whose content names its own place in the store.
    void Store(const std::string& relative) { WriteFile(g.Own() + relative, relative); }
    std::string Game(const std::string& name) const { return ReadFile(game + name); }

    // Last-write time in seconds since 1970.
    static void SetTime(const std::string& path, long seconds) {
        ASSERT_TRUE(SetWriteTime(path, seconds)) << path;
    }
    static ino_t Inode(const std::string& path) {
        struct stat st {};
        ::stat(path.c_str(), &st);
        return st.st_ino;
    }
};

}  // namespace harbinet::test
