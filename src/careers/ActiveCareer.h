// The career saves in the game's "Savedata" folder, and the active one: the save the game
// wrote last. Reading only; what the season check does with it is the program's.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/Season.h"
#include "platform/Files.h"

namespace harbinet {

struct CareerFile {
    std::string path;
    files::FileTime lastWrite = 0;
};

// The career saves, gameFolder + "Savedata/*.SVE", in search order (names ignoring case),
// with their last-write times. Contents are not read; folders (and pipes, sockets and devices)
// are skipped.
std::vector<CareerFile> ListCareerFiles(const std::string& gameFolder);

// The latest last-write time, the first found among equal times. Null when there is none.
const CareerFile* NewestCareer(const std::vector<CareerFile>& careers);

// December to February Winter, March to May Spring, June to August Summer, September to
// November Autumn; none for any other month number.
std::optional<Season> SeasonOfMonth(int month);

}  // namespace harbinet
