#include "program/CareerCheck.h"

#include "careers/ActiveCareer.h"
#include "program/Report.h"
#include "terrain/SeasonInstall.h"

namespace harbinet {

void CheckActiveCareer(ProgramState& state) {
    const auto careers = ListCareerFiles(state.GameFolder);
    const CareerFile* newest = NewestCareer(careers);
    if (!newest) return;
    if (newest->path == state.LastCareerPath && newest->lastWrite == state.LastCareerTime) return;

    CareerRecord record;
    // A failed read stores nothing, so the next check tries (and reports) again.
    if (!ReadCareerOrReport(record, newest->path, state.host)) return;

    state.CareerName = CareerNameText(record);
    if (const auto season = SeasonOfMonth(record.Month()))
        ReportChange(state, InstallSeason(state, *season));
    state.CareerDate = CareerDateText(record);
    state.LastCareerPath = newest->path;
    state.LastCareerTime = newest->lastWrite;
}

std::optional<Season> NewestCareerSeason(ProgramState& state) {
    const auto careers = ListCareerFiles(state.GameFolder);
    const CareerFile* newest = NewestCareer(careers);
    CareerRecord record;
    if (!newest || !ReadCareerOrReport(record, newest->path, state.host)) return std::nullopt;
    return SeasonOfMonth(record.Month());
}

bool ReadCareerOrReport(CareerRecord& record, const std::string& path, Host& host) {
    int error = 0;
    if (record.ReadCareerFile(path, &error)) return true;
    if (const std::string text = CareerOpenFailureText(path, error); !text.empty())
        host.ShowError(text);
    return false;
}

void ForgetActiveCareer(ProgramState& state) {
    state.LastCareerPath.clear();
    state.LastCareerTime = 0;
}

}  // namespace harbinet
