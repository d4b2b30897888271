// Runs the program's event loop until something has happened, with a generous upper bound
// only as a safety net.
#pragma once

#include <wx/app.h>
#include <wx/evtloop.h>

#include <chrono>
#include <functional>

namespace harbinet::test {

inline bool RunEventsUntil(const std::function<bool()>& done, int timeoutMs = 10000) {
    wxGUIEventLoop loop;
    wxEventLoopActivator active(&loop);
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        // Blocks until the next event (timers included) or 50 ms.
        loop.DispatchTimeout(50);
        wxTheApp->ProcessPendingEvents();
        wxTheApp->ProcessIdle();
    }
    return true;
}

// Handles what is queued now: posted commands, delayed deletions.
inline void FlushEvents() {
    wxTheApp->ProcessPendingEvents();
    wxTheApp->ProcessIdle();
}

}  // namespace harbinet::test
