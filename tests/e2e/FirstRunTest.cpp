#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "platform/Profile.h"
#include "support/TempDir.h"

namespace {

using harbinet::test::Exists;
using harbinet::test::ReadFile;
using harbinet::test::TempDir;
using harbinet::test::WriteFile;

constexpr const char* kQuestion =
    "Harbinet Install: Do you wish to add support for Mediterranean and Pacific Terrain Sets?";

// A fresh game folder with the program's folder in it, and a home of its own for the user.
struct FreshGame {
    TempDir dir;
    std::string game = dir / "EAW/";
    std::string own = game + "Harbinet/";
    std::string home = dir / "home/";
    FreshGame() {
        WriteFile(game + "EAW.EXE", "MZ stand-in");
        WriteFile(game + "EAW.INI", "[GRAPHICS]\r\n3dCityTargets=2\r\n");
        harbinet::test::MakeFolder(own);
        harbinet::test::MakeFolder(home);
    }

    // Runs harbinet-cli with the user's home here; standard error comes back.
    std::string Run(const std::string& options) const {
        const std::string err = dir / "stderr";
        const std::string command = "HOME='" + home + "' XDG_CONFIG_HOME='" + home +
                                    ".config' " HARBINET_CLI " --folder '" + own + "' " + options +
                                    " status >/dev/null 2>'" + err + "'";
        const int status = std::system(command.c_str());
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << command;
        return ReadFile(err);
    }
    std::string Get(const char* section, const char* key) const {
        return harbinet::profile::GetString(own + "harbinet.INI", section, key, "<missing>");
    }
};

TEST(FirstRun, StatusOnAFreshFolderInstallsAndAnswersNo) {
    FreshGame g;
    const std::string err = g.Run("");
    EXPECT_NE(err.find(std::string(kQuestion) + " [No]\n"), std::string::npos) << err;
    EXPECT_EQ(g.Get("Harbinet", "Mode"), "0");
    EXPECT_EQ(g.Get("Harbinet", "Version"), "22");
    EXPECT_EQ(g.Get("TerrainSets", "Terrain1"), "Channel Front");
    EXPECT_EQ(g.Get("TerrainSets", "Terrain2"), "");
    const std::string entry = ReadFile(g.home + "Desktop/Harbinet 2.2b.desktop");
    EXPECT_NE(entry.find("Exec=\"" + g.own + "harbinet\"\n"), std::string::npos) << entry;

    EXPECT_EQ(g.Run("").find(kQuestion), std::string::npos) << "a second run does not ask";
}

TEST(FirstRun, YesAddsTheTwoSets) {
    FreshGame g;
    const std::string err = g.Run("--yes");
    EXPECT_NE(err.find(std::string(kQuestion) + " [Yes]\n"), std::string::npos) << err;
    EXPECT_EQ(g.Get("TerrainSets", "Terrain2"), "Mediterranean");
    EXPECT_EQ(g.Get("TerrainSets", "Terrain3"), "Pacific");
    EXPECT_TRUE(Exists(g.own + "Terrain/Pacific"));
}

}  // namespace
