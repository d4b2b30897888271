#include "support/UserHome.h"

#include "support/System.h"

namespace harbinet::test {

UserHome::UserHome()
    : home_(Environment("HOME")),
      config_(Environment("XDG_CONFIG_HOME")),
      profile_(Environment("USERPROFILE")) {
    SetEnvironment("HOME", dir_.Path());
    SetEnvironment("XDG_CONFIG_HOME", Config());
    // Windows finds the user's folders in the profile.
    SetEnvironment("USERPROFILE", dir_.Path());
}

UserHome::~UserHome() {
    SetEnvironment("HOME", home_);
    SetEnvironment("XDG_CONFIG_HOME", config_);
    SetEnvironment("USERPROFILE", profile_);
}

}  // namespace harbinet::test
