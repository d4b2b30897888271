// Starting the program when the user logs in, as the value "Harbinet" of the Windows Run key
// starts it.
#pragma once

#include "model/Folders.h"
#include "platform/Result.h"

namespace harbinet {

// With start, makes the session start the running program for its folders when the user logs
// in, as the Run key starts it: without arguments, in its own folder. Without start, no longer;
// nothing to remove is no failure.
Result SetStartWithDesktop(const Folders& folders, bool start);

}  // namespace harbinet
