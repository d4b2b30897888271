// Each dialog opens once: a second request brings the open one forward.
#pragma once

#include <wx/string.h>

#include "platform/Desktop.h"

namespace harbinet {

// Looks for a top-level window with this title, first among the program's own windows, then
// on the whole desktop; brings it forward (restoring it when minimised). True when one exists.
bool RaiseExistingWindow(const wxString& title, Desktop& desktop);

}  // namespace harbinet
