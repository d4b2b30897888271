// HOME, XDG_CONFIG_HOME and (for Windows) USERPROFILE pointed at a temporary folder while a test
// runs, so that desktop entries and links never land on the real desktop.
#pragma once

#include <optional>
#include <string>

#include "support/TempDir.h"

namespace harbinet::test {

class UserHome {
  public:
    UserHome();
    ~UserHome();
    UserHome(const UserHome&) = delete;
    UserHome& operator=(const UserHome&) = delete;

#ifdef _WIN32
    std::string Config() const {
        return dir_ / "AppData/Roaming/";
    }
#else
    std::string Config() const {
        return dir_ / ".config/";
    }
#endif
    std::string Desktop() const {
        return dir_ / "Desktop/";
    }  // when user-dirs names none

  private:
    TempDir dir_;
    std::optional<std::string> home_, config_, profile_;
};

}  // namespace harbinet::test
