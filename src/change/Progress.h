// How far a change has come: what its plan holds, counted before it runs (a move's source is
// gone after), and when the host is told, so that a short change shows nothing and a long one
// costs next to nothing in reports.
#pragma once

#include <chrono>
#include <cstdint>

#include "change/Plan.h"
#include "model/ProgramState.h"

namespace harbinet {

struct PlanCounts {
    std::uint64_t deletes = 0;  // files deleted
    std::uint64_t copies = 0;   // files copied or moved in
    std::uint64_t kept = 0;     // copies found current and left in place
    std::uint64_t files = 0;    // steps that each act on one file
    std::uint64_t bytes = 0;    // of the files copied or moved in
};

// True for a step that acts on one file (every step but settings and folders).
bool IsFileStep(const Action& action);
// The size of the file a step copies or moves, before it runs; 0 for any other step.
std::uint64_t StepBytes(const Action& action);
PlanCounts CountPlan(const Plan& plan);

// Tells when a report is due: once the change has run half a second, then at most every
// 100 ms.
class ProgressThrottle {
  public:
    static constexpr std::chrono::milliseconds kFirst{500};
    static constexpr std::chrono::milliseconds kEvery{100};

    ProgressThrottle(const SteadyClock& clock, std::chrono::steady_clock::time_point begun)
        : clock_(clock), begun_(begun) {}

    // True when a report is due at this moment, which then counts as shown.
    bool Due();
    // True once any report was due: the change's end is reported too, to clear it.
    bool Shown() const { return shown_; }

  private:
    const SteadyClock& clock_;
    std::chrono::steady_clock::time_point begun_, last_;
    bool shown_ = false;
};

}  // namespace harbinet
