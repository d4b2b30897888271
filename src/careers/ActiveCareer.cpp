#include "careers/ActiveCareer.h"

namespace harbinet {

std::vector<CareerFile> ListCareerFiles(const std::string& gameFolder) {
    const std::string folder = files::ResolveName(gameFolder, "Savedata") + "/";
    std::vector<CareerFile> careers;
    for (auto& found : files::FindFiles(folder, "*.SVE")) {
        if (!found.folder) careers.push_back({std::move(found.path), found.lastWrite});
    }
    return careers;
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

std::optional<Season> SeasonOfMonth(int month) {
    using enum Season;
    static constexpr Season kByMonth[12] = {Winter, Winter, Spring, Spring, Spring, Summer,
                                            Summer, Summer, Autumn, Autumn, Autumn, Winter};
    if (month < 1 || month > 12) return std::nullopt;
    return kByMonth[month - 1];
}

}  // namespace harbinet
