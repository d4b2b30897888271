// The tray icon's pop-up menu and tooltip, built afresh from the settings file each time.
#pragma once

#include <string>
#include <vector>

#include "model/ProgramState.h"

namespace harbinet {

struct TrayMenuItem {
    enum class Kind { Command, Separator, SubMenu };
    Kind kind = Kind::Command;
    int command = 0;                  // Command only
    std::string text;                 // with its "&" mnemonic
    bool checked = false;             // check mark
    bool radio = false;               // radio mark
    bool isDefault = false;           // the double-click action, shown in bold on Windows
    std::vector<TrayMenuItem> items;  // SubMenu only
};

// The menu as the program shows it now, top to bottom.
std::vector<TrayMenuItem> BuildTrayMenu(const ProgramState& state);

// The menu as text, one item a line: "ID<TAB>TEXT" with any of " [checked]", " [radio]",
// " [default]"; "---" for a separator; ">\tTEXT" for a sub-menu, its items indented by two
// blanks. TEXT is escaped as EscapeForLine does, so that a set name cannot break a line.
std::string MenuText(const std::vector<TrayMenuItem>& items, const std::string& indent = "");

// "Harbinet - Automatic Mode, Summer Terrain (Channel Front)", or the busy text.
std::string TrayTooltip(const ProgramState& state, bool busy);

}  // namespace harbinet
