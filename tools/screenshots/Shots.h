// What the screenshot tool's parts share: the sample installation, the capture, and a register
// through which each group of dialogs adds its pictures.
#pragma once

#include <wx/window.h>

#include <functional>
#include <string>

#include "model/ProgramState.h"

namespace harbinet::shots {

struct Context {
    std::string out;   // where the pictures go, ending in "/"
    std::string game;  // the sample game folder, ending in "/"
    std::string own;   // the program's folder in it
    Desktop& desktop;
    Host& host;
    ProgramState& state;  // the program installed in own, its settings file not yet written
};

// Shows the window, captures it into out + name + ".png" and destroys it.
void Shoot(wxWindow* window, const Context& context, const char* name);

// A group of dialogs to shoot, registered by a static object of its source file; groups run
// in the order of their names.
struct Group {
    Group(const char* name, std::function<void(const Context&)> shoot);
};

}  // namespace harbinet::shots
