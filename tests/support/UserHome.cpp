#include "support/UserHome.h"

#include <cstdlib>

namespace harbinet::test {

namespace {
std::optional<std::string> Get(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}
void Restore(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}
}  // namespace

UserHome::UserHome() : home_(Get("HOME")), config_(Get("XDG_CONFIG_HOME")) {
    ::setenv("HOME", dir_.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", Config().c_str(), 1);
}

UserHome::~UserHome() {
    Restore("HOME", home_);
    Restore("XDG_CONFIG_HOME", config_);
}

}  // namespace harbinet::test
