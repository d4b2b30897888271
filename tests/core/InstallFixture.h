// A program folder in a game folder, with the user's home in a temporary folder, for tests of
// installation and upgrade.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "install/FirstInstallation.h"
#include "support/GameFolder.h"
#include "support/UserHome.h"

namespace harbinet::test {

class InstallFixture : public ::testing::Test {
  protected:
    static constexpr const char* kQuestion =
        "ask Harbinet Install: Do you wish to add support for Mediterranean and Pacific "
        "Terrain Sets?";
    static constexpr const char* kUpgraded =
        "info Harbinet Upgrade: Harbinet has been upgraded to Version 2.2b";

    UserHome home;
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();

    // The six pictures beside the program, each holding "picture NAME".
    void PutPictures() const {
        for (std::string_view p : kCataloguePictures)
            WriteFile(g.Own() + std::string(p), "picture " + std::string(p));
    }
};

}  // namespace harbinet::test
