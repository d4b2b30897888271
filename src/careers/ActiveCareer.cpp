#include "careers/ActiveCareer.h"

#include "careers/CareerRecord.h"
#include "terrain/SeasonSwitching.h"

namespace harbinet {

std::int32_t SeasonOfMonth(int month) {
    switch (month) {
        case 12:
        case 1:
        case 2:
            return kWinter;
        case 3:
        case 4:
        case 5:
            return kSpring;
        case 6:
        case 7:
        case 8:
            return kSummer;
        case 9:
        case 10:
        case 11:
            return kAutumn;
        default:
            return 0;
    }
}

void CheckActiveCareer(FrameState& state) {
    // Strictly later wins, so among equal times the first one found stays. The first file is
    // always a candidate, whatever its time.
    const CareerFile* newest = nullptr;
    const auto careers = ListCareerFiles(state.GameFolder);
    for (const auto& career : careers) {
        if (!newest || career.lastWrite > newest->lastWrite) newest = &career;
    }
    if (!newest) return;
    if (newest->path == state.LastCareerPath && newest->lastWrite == state.LastCareerTime) return;

    CareerRecord record;
    // A failed read stores nothing, so the next check tries (and reports) again.
    if (!record.ReadCareerFile(newest->path, state.Ui)) return;

    state.CareerName = CareerNameText(record);
    if (const std::int32_t season = SeasonOfMonth(record.Month())) InstallSeason(state, season);
    state.CareerDate = CareerDateText(record);
    state.LastCareerPath = newest->path;
    state.LastCareerTime = newest->lastWrite;
}

void ForgetActiveCareer(FrameState& state) {
    state.LastCareerPath.clear();
    state.LastCareerTime = 0;
}

}  // namespace harbinet
