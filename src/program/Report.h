// What the user is told of an operation's failures: each message in an error box, after the
// operation has ended.
#pragma once

#include "change/Change.h"

namespace harbinet {

inline void ReportChange(ProgramState& state, const ChangeResult& result) {
    for (const std::string& message : result.messages) state.host.ShowError(message);
}

// A failure in an error box; true when there was none.
inline bool Report(ProgramState& state, const Result& result) {
    if (!result) state.host.ShowError(result.Message());
    return result.Ok();
}

}  // namespace harbinet
