#include "careers/ActiveCareer.h"

#include "terrain/SeasonSwitching.h"

namespace harbinet {

std::int32_t SeasonOfMonth(int month) {
    static constexpr std::int32_t kByMonth[12] = {kWinter, kWinter, kSpring, kSpring,
                                                  kSpring, kSummer, kSummer, kSummer,
                                                  kAutumn, kAutumn, kAutumn, kWinter};
    return month >= 1 && month <= 12 ? kByMonth[month - 1] : 0;
}

const CareerFile* NewestCareer(const std::vector<CareerFile>& careers) {
    // Strictly later wins, so among equal times the first one found stays. The first file is
    // always a candidate, whatever its time.
    const CareerFile* newest = nullptr;
    for (const auto& career : careers) {
        if (!newest || career.lastWrite > newest->lastWrite) newest = &career;
    }
    return newest;
}

void CheckActiveCareer(FrameState& state) {
    const auto careers = ListCareerFiles(state.GameFolder);
    const CareerFile* newest = NewestCareer(careers);
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
