// The active career is the one whose save the game wrote last; its month decides the season.
#pragma once

#include <vector>

#include "careers/CareerRecord.h"
#include "shell/FrameState.h"

namespace harbinet {

// December to February Winter, March to May Spring, June to August Summer, September to
// November Autumn; 0 (no season) for any other month number.
std::int32_t SeasonOfMonth(int month);

// The career the check takes as active: the latest last-write time, the first found among
// equal times. Null when there is none.
const CareerFile* NewestCareer(const std::vector<CareerFile>& careers);

// Finds the newest career save; when it is another file than the one last acted on, or the
// same file with another time, and it can be read: sets the career texts, installs the season
// of its month and remembers the file and its time. Otherwise changes nothing.
void CheckActiveCareer(FrameState& state);

// Makes the next check act even when nothing has changed.
void ForgetActiveCareer(FrameState& state);

}  // namespace harbinet
