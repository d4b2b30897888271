// The active-career check of the season timer: when the newest career save changed, install
// the season of its month.
#pragma once

#include "careers/CareerRecord.h"
#include "model/ProgramState.h"

namespace harbinet {

// Finds the newest career save; when it is another file than the one last acted on, or the
// same file with another time, and it can be read: sets the career texts, installs the season
// of its month and remembers the file and its time. Otherwise changes nothing; a save that
// cannot be opened is reported (unless access is denied) and tried again next time.
void CheckActiveCareer(ProgramState& state);

// The season of the newest career save's month, without acting on it; none without a save, or
// when it cannot be read (reported as CheckActiveCareer reports it).
std::optional<Season> NewestCareerSeason(ProgramState& state);

// Reads a career save into the record; a save that cannot be opened is reported through the
// host (unless access is denied, which is silent) and false comes back.
bool ReadCareerOrReport(CareerRecord& record, const std::string& path, Host& host);

// Makes the next check act even when nothing has changed.
void ForgetActiveCareer(ProgramState& state);

}  // namespace harbinet
