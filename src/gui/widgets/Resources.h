// Pictures, icons and cursors compiled into the program (from resources/embed/).
#pragma once

#include <cstddef>
#include <string_view>

namespace harbinet::resources {

struct Resource {
    const char* name;
    const unsigned char* data;
    std::size_t size;
};

// The embedded file with this name, or nullptr.
const Resource* Find(std::string_view name);

}  // namespace harbinet::resources
