#include "support/UserHome.h"

#include "support/System.h"

namespace harbinet::test {

UserHome::UserHome(const std::string& name)
    : path_(name.empty() ? dir_.Path() : dir_ / (name + "/")),
      home_(Environment("HOME")),
      config_(Environment("XDG_CONFIG_HOME")),
      profile_(Environment("USERPROFILE")),
      appData_(Environment("APPDATA")) {
    MakeFolder(path_);
    SetEnvironment("HOME", path_);
    SetEnvironment("XDG_CONFIG_HOME", Config());
    // Windows finds the desktop in the profile and the settings in APPDATA.
    SetEnvironment("USERPROFILE", path_);
    SetEnvironment("APPDATA", path_ + "AppData/Roaming/");
}

UserHome::~UserHome() {
    SetEnvironment("HOME", home_);
    SetEnvironment("XDG_CONFIG_HOME", config_);
    SetEnvironment("USERPROFILE", profile_);
    SetEnvironment("APPDATA", appData_);
}

}  // namespace harbinet::test
