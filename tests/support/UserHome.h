// HOME, XDG_CONFIG_HOME and (for Windows) USERPROFILE and APPDATA pointed at a temporary folder
// while a test runs, so that desktop entries and links never land on the real desktop.
#pragma once

#include <optional>
#include <string>

#include "support/TempDir.h"

namespace harbinet::test {

class UserHome {
  public:
    // The home is the temporary folder itself, or a folder of that name in it.
    explicit UserHome(const std::string& name = {});
    ~UserHome();
    UserHome(const UserHome&) = delete;
    UserHome& operator=(const UserHome&) = delete;

    const std::string& Path() const { return path_; }  // ends in "/"
#ifdef _WIN32
    std::string Config() const {
        return path_ + "AppData/Roaming/";
    }
#else
    std::string Config() const {
        return path_ + ".config/";
    }
#endif
    std::string Desktop() const {
        return path_ + "Desktop/";
    }  // when user-dirs names none

  private:
    TempDir dir_;
    std::string path_;
    std::optional<std::string> home_, config_, profile_, appData_;
};

}  // namespace harbinet::test
