// make-sample-game DIR --game PROGRAM [--force]
//
// Lays out a European Air War folder for the demo and the tests: the game program, stand-ins
// for the tools the first installation lists, EAW.INI, a few career saves, and Harbinet's folder
// with a terrain store for three sets but no settings file: the program's first start installs it
// for real.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "model/Season.h"
#include "support/CareerSave.h"

namespace fs = std::filesystem;

namespace {

// Found at the top of every folder this program made, so that --force never removes anything
// else (a real game folder, a home folder given by mistake).
constexpr const char* kMarker = ".harbinet-sample";

struct Career {
    const char* file;
    harbinet::CareerFields fields;
    int hoursAgo;  // last-write time; the smallest is the active career
};

// Several seasons; CAREER4.SVE (July, summer) is the newest.
const Career kCareers[] = {
    {"CAREER1.SVE", {1944, 1, 11, "Jack", "Ridley"}, 4},
    {"CAREER2.SVE", {1943, 8, 2, "Hans", "Meyer"}, 3},
    {"CAREER3.SVE", {1944, 3, 20, "Tom", "Harper"}, 2},
    {"CAREER4.SVE", {1943, 6, 14, "Karl", "Vogt"}, 1},
    {"CAREER5.SVE", {1944, 10, 27, "Ed", "Brennan"}, 5},
};

bool Write(const fs::path& path, std::string_view bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) std::fprintf(stderr, "make-sample-game: cannot write %s\n", path.string().c_str());
    return static_cast<bool>(out);
}

// Windows line ends, as the game and the program's Windows settings files have them.
std::string Lines(std::initializer_list<std::string> lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::string GameIni() {
    return Lines({
        "; European Air War settings",
        "[GRAPHICS]",
        "; 640x480, 800x600 or 1024x768",
        "Resolution=800x600",
        "3dCityTargets=2",
        "Clouds=1",
        "Haze=1",
        "TextureDetail=2",
        "",
        "[SOUND]",
        "MusicVolume=6",
        "EffectsVolume=8",
        "",
        "[GAMEPLAY]",
        "; 0 easy .. 2 realistic",
        "FlightModel=2",
        "Blackouts=1",
    });
}

// Small stand-ins for terrain files: their text tells which set and season they came from.
bool WriteTerrain(const fs::path& folder, const std::string& label) {
    return Write(folder / "EAW1.TER", "EAW terrain: " + label + "\r\n") &&
           Write(folder / "GRAS1.TPC", "EAW grass texture: " + label + "\r\n");
}

bool Layout(const fs::path& dir, const std::string& gameProgram) {
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!Write(dir / kMarker, "Made by make-sample-game; --force may replace this folder.\n"))
        return false;

    // The game, and the three tools the first installation puts in the "Launch" menu: the
    // stand-in program takes its window title from the name it runs under.
    for (const char* name : {"EAW.EXE", "ECAPANEL.EXE", "EAWCONTROL.EXE", "EAWCM.EXE"}) {
        if (!Write(dir / name, gameProgram)) return false;
        fs::permissions(dir / name,
                        fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                            fs::perms::others_read | fs::perms::others_exec,
                        ec);
    }
    if (!Write(dir / "EAW.INI", GameIni())) return false;

    const auto now = fs::file_time_type::clock::now();
    for (const auto& c : kCareers) {
        const fs::path path = dir / "Savedata" / c.file;
        if (!Write(path, harbinet::EncodeCareerSave(c.fields))) return false;
        fs::last_write_time(path, now - std::chrono::hours(c.hoursAgo), ec);
        if (ec) {
            std::fprintf(stderr, "make-sample-game: cannot date %s\n", path.string().c_str());
            return false;
        }
    }

    const fs::path own = dir / "Harbinet";

    for (const char* set : {"Channel Front", "Mediterranean", "Pacific"}) {
        fs::create_directories(own / "Common" / set, ec);
        fs::create_directories(own / "Skins" / set, ec);
    }
    for (harbinet::Season s : harbinet::kSeasons) {
        const std::string season(harbinet::SeasonName(s));
        if (!WriteTerrain(own / "Terrain" / "Channel Front" / season,
                          std::string("Channel Front, ") + season))
            return false;
        fs::create_directories(own / "Skins" / "Channel Front" / season, ec);
    }
    if (!WriteTerrain(own / "Terrain" / "Mediterranean", "Mediterranean") ||
        !WriteTerrain(own / "Terrain" / "Pacific", "Pacific"))
        return false;

    // Terrain an earlier season switch left in the game folder; the first installation returns
    // the game to its default terrain.
    return WriteTerrain(dir, "Channel Front, Spring");
}

int Usage() {
    std::fprintf(stderr,
                 "usage: make-sample-game DIR --game PROGRAM [--force]\n"
                 "  PROGRAM becomes DIR/EAW.EXE (the stand-in game that opens a window\n"
                 "  \"European Air War\") and the three tools of the \"Launch\" menu.\n"
                 "  --force replaces a folder this program made before.\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dirArg, gameArg;
    bool force = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view a = argv[i];
        if (a == "--game" && i + 1 < argc) {
            gameArg = argv[++i];
        } else if (a == "--force") {
            force = true;
        } else if (a == "--help" || a == "-h") {
            Usage();
            return 0;
        } else if (!a.empty() && a[0] != '-' && dirArg.empty()) {
            dirArg = a;
        } else {
            return Usage();
        }
    }
    if (dirArg.empty() || gameArg.empty()) return Usage();

    std::error_code ec;
    const fs::path dir = dirArg;
    // Read before anything is removed: the program may be the EAW.EXE of the folder replaced.
    std::string game;
    if (std::ifstream in{gameArg, std::ios::binary}; in && fs::is_regular_file(gameArg, ec)) {
        game.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    } else {
        std::fprintf(stderr, "make-sample-game: no game program '%s'\n", gameArg.c_str());
        return 1;
    }
    if (fs::exists(dir, ec) && !fs::is_directory(dir, ec)) {
        std::fprintf(stderr, "make-sample-game: '%s' is not a folder\n", dir.string().c_str());
        return 1;
    }
    if (fs::is_directory(dir, ec) && !fs::is_empty(dir, ec)) {
        if (!force) {
            std::fprintf(stderr, "make-sample-game: '%s' is not empty (--force replaces it)\n",
                         dir.string().c_str());
            return 1;
        }
        if (!fs::exists(dir / kMarker, ec)) {
            std::fprintf(stderr,
                         "make-sample-game: '%s' was not made by make-sample-game; "
                         "not replacing it\n",
                         dir.string().c_str());
            return 1;
        }
        fs::remove_all(dir, ec);
        if (ec) {
            std::fprintf(stderr, "make-sample-game: cannot remove '%s': %s\n", dir.string().c_str(),
                         ec.message().c_str());
            return 1;
        }
    }
    if (!Layout(dir, game)) return 1;
    std::printf("Sample game folder: %s\n", fs::absolute(dir).lexically_normal().string().c_str());
    return 0;
}
