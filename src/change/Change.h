// A change of the installation (the game folder, the stores, the skin catalogue) run as one:
// under the game folder's change lock, planned before anything is touched, written to a journal
// before the first step and cleared after the last, so that a change cut short at any point is
// finished by the next start or change. Failures come back to the caller, who tells the user.
#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "change/Plan.h"
#include "change/Planner.h"
#include "model/ProgramState.h"

namespace harbinet {

struct ChangeResult {
    bool refused = false;  // nothing was changed (another change runs, no game, a refusal)
    bool failed = false;   // a step failed, or the change was refused
    std::vector<std::string> messages;  // for the user, in order

    void Add(const ChangeResult& other);
};

// A change as the user asks for it: its name in the journal and how it is planned.
struct ChangeSpec {
    std::string what;
    std::function<void(Planner&)> plan;
};

// Holds the game folder's change lock while it lives; the changes run meanwhile share it.
class ChangeLockHold {
  public:
    ChangeLockHold(ProgramState& state, std::chrono::milliseconds wait);
    ~ChangeLockHold();
    ChangeLockHold(const ChangeLockHold&) = delete;
    ChangeLockHold& operator=(const ChangeLockHold&) = delete;
    bool Held() const { return held_; }

  private:
    ProgramState& state_;
    bool held_ = false;
};

// Plans the change with `plan` and runs it. A change an earlier run left cut short is finished
// first. The busy icon shows while files change, with the progress of a long change. Each
// change that began (the game there, the lock held) adds a line to the history.
ChangeResult RunChange(ProgramState& state, std::string what,
                       const std::function<void(Planner&)>& plan);

// With ran, the plan that ran comes back in it.
ChangeResult RunChange(ProgramState& state, const ChangeSpec& change, Plan* ran = nullptr);

// Plans the change as RunChange would and runs nothing: no file or setting changes and no
// journal is written. Refused, saying why, when the change could not begin now: no game, another
// change holds the lock, or one a kill cut short waits to be finished.
ChangeResult PlanChange(ProgramState& state, const ChangeSpec& change, Plan& planned);

// Finishes a change a kill cut short; with retryFailed, also runs the failed steps of one that
// ended with failures again (the program does so once per start).
ChangeResult ResumeChange(ProgramState& state, bool retryFailed);

// The journal of the game folder's changes.
std::string JournalPath(const Folders& folders);

// Runs the steps of a plan; the failed ones come back, with messages for the user.
struct StepFailures {
    std::vector<Action> actions;
    std::vector<std::string> messages;
};
// Where the steps tell how far they have come (throttled, see ProgressThrottle).
struct ProgressTo {
    Host& host;
    const SteadyClock& clock;
    std::chrono::steady_clock::time_point begun;  // when the change began
};
StepFailures RunSteps(const Folders& folders, Provenance& provenance, const Plan& plan,
                      const ProgressTo* progress = nullptr);

}  // namespace harbinet
