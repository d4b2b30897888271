// The tray icon's pop-up menu and tooltip, built afresh from the settings file each time.
#pragma once

#include <string>
#include <string_view>
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

// What a change does, in words, from its plan's `what`: "Installing Winter Terrain" for
// "season winter", "Installing Default Terrain" for "season default", "Installing Terrain Set
// NAME" for "set N", "Changing Files" for any other.
std::string ChangeTitle(const ProgramState& state, std::string_view what);
// The busy tooltip of a change under way: "Installing Winter Terrain... 45%".
std::string ProgressTooltip(const ProgramState& state, const ChangeProgress& progress);
// The same for a terminal: "Installing Winter Terrain: 45/120 files, 110 of 256 MiB, 45%".
std::string ProgressLine(const ProgramState& state, const ChangeProgress& progress);

}  // namespace harbinet
