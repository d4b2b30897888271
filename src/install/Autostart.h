// Starting the program when the user logs in: an XDG autostart entry stands in for the value
// "Harbinet" of the Windows Run key.
#pragma once

#include <string>

#include "model/Folders.h"

namespace harbinet {

// $XDG_CONFIG_HOME/autostart/harbinet.desktop, with ~/.config when XDG_CONFIG_HOME is unset
// or not absolute.
std::string AutostartEntryPath();

// With load, writes the entry (atomically) so that the session starts the running program in
// its own folder, as the Run key starts it: without arguments. Without load, removes the
// entry; one that is not there is no failure. 0 on success, else an errno value.
int RegisterRunAtStartup(const Folders& folders, bool load);

}  // namespace harbinet
