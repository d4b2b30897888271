// The program's launcher on the user's desktop, standing in for a shell link.
#pragma once

#include <string>

#include "model/Folders.h"
#include "platform/DesktopIntegration.h"
#include "platform/Result.h"

namespace harbinet {

// A launcher named name that starts the program for its folders (Folders::StartCommand) in its
// own folder, with the program's icon.
desktop::Launcher ProgramLauncher(const Folders& folders, const std::string& name);

// Puts "Harbinet 2.2b" on the user's desktop (desktop::PutOnDesktop): this folder's entry is
// replaced, another folder's stays and this one gets the next free number.
Result CreateDesktopShortcut(const Folders& folders);

}  // namespace harbinet
