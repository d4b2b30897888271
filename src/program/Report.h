// What the user is told of a change: each message in an error box, after the change has ended.
#pragma once

#include "change/Change.h"

namespace harbinet {

inline void ReportChange(ProgramState& state, const ChangeResult& result) {
    for (const std::string& message : result.messages) state.host.ShowError(message);
}

}  // namespace harbinet
