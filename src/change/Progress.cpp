#include "change/Progress.h"

#include "platform/Files.h"

namespace harbinet {

using Kind = Action::Kind;

bool IsFileStep(const Action& action) {
    switch (action.kind) {
        case Kind::MakeFolder:
        case Kind::RemoveFolder:
        case Kind::Setting:
            return false;
        default:
            return true;
    }
}

std::uint64_t StepBytes(const Action& action) {
    if (action.kind != Kind::Copy && action.kind != Kind::Move && action.kind != Kind::MoveIfAbsent)
        return 0;
    const files::FileStamp source = files::Stamp(action.from);
    return source.IsFile() ? static_cast<std::uint64_t>(source.size) : 0;
}

PlanCounts CountPlan(const Plan& plan) {
    PlanCounts counts;
    for (const Action& a : plan.actions) {
        counts.deletes += a.kind == Kind::Delete || a.kind == Kind::Erase;
        counts.copies +=
            a.kind == Kind::Copy || a.kind == Kind::Move || a.kind == Kind::MoveIfAbsent;
        counts.kept += a.kind == Kind::Keep;
        counts.files += IsFileStep(a);
        counts.bytes += StepBytes(a);
    }
    return counts;
}

bool ProgressThrottle::Due() {
    const auto now = clock_();
    if (now - begun_ < kFirst || (shown_ && now - last_ < kEvery)) return false;
    last_ = now;
    shown_ = true;
    return true;
}

}  // namespace harbinet
