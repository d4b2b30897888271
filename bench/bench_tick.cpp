// One season timer tick (CheckActiveCareer) with 200 career saves when nothing has changed:
// the check should list and stat the saves and open none of them.
//   bench_tick [TICKS]
// Count the system calls of the ticks with:  strace -c -f ./bench_tick 1000
// (the set-up's calls are included; the bench prints how many it made before the ticks).
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "model/ProgramState.h"
#include "program/CareerCheck.h"

namespace fs = std::filesystem;
using namespace harbinet;
using namespace harbinet::bench;

namespace {

constexpr int kCareers = 200;
constexpr std::size_t kSaveSize = 0x22FB1;

}  // namespace

int main(int argc, char** argv) {
    const int ticks = CountArgument(argc, argv, 2000);
    const ScratchFolder root("harbinet-tick");
    const std::string game = root.Path() + "EAW/", own = game + "Harbinet/";
    fs::create_directories(own);
    fs::create_directories(game + "Savedata");
    const std::string save(kSaveSize, '\0');
    for (int i = 0; i < kCareers; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "CAREER%03d.SVE", i);
        std::ofstream(game + "Savedata/" + name, std::ios::binary) << save;
    }

    BenchHost ui;
    NullDesktop desktop;
    ProgramState state(Folders::FromExecutable(own + "harbinet"), ui, desktop);
    // The season install itself is another bench's business.
    if (!state.settings.Set(settings::kTerrainSet, 0)) return 1;
    CheckActiveCareer(state);
    if (state.LastCareerPath.empty()) {
        std::fprintf(stderr, "the first check found no career\n");
        return 1;
    }
    std::printf("%d career saves of %zu bytes in %sSavedata/; set-up done, %d ticks follow\n",
                kCareers, kSaveSize, game.c_str(), ticks);
    std::fflush(stdout);

    const std::string acted = state.LastCareerPath;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < ticks; ++i) CheckActiveCareer(state);
    const double seconds = Seconds(start);
    if (state.LastCareerPath != acted || ui.busyCalls != 0) {
        std::fprintf(stderr, "a tick acted although nothing changed\n");
        return 1;
    }
    std::printf("one tick: %.1f us (%d ticks in %.3f s)\n", seconds / ticks * 1e6, ticks, seconds);
    return 0;
}
