// A terrain-sized set, 120 files and 256 MiB, against `cp` of the same files:
// - a season install (InstallSeason) over the autumn files of the same names, as a season
//   change from autumn to winter; cp copies the winter files over the autumn ones;
// - a refresh with nothing changed (RefreshSeasonNow, as a launcher's hook runs before every
//   game start), the season of the newest career being the one installed;
// - the season install with its progress shown after every step (a clock a second further at
//   each look, the most reports the throttle ever lets through), against one whose host shows
//   none.
// Caches warm, dirty pages synced before every run.
//   bench_season [ROUNDS]   (folder: $TMPDIR, else /var/tmp, so that it is on a real disk)
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "model/ProgramState.h"
#include "program/Modes.h"
#include "program/TrayMenu.h"
#include "support/CareerSave.h"
#include "terrain/SeasonInstall.h"

namespace fs = std::filesystem;
using namespace harbinet;
using namespace harbinet::bench;

namespace {

double RunInstall(ProgramState& state, Season season) {
    return TimeSynced([&] { InstallSeason(state, season); });
}

// Draws each report as harbinet-cli does on a terminal, into /dev/null, and times itself.
class ProgressHost : public BenchHost {
  public:
    ~ProgressHost() override {
        if (sink_) std::fclose(sink_);
    }
    void ShowProgress(const ChangeProgress& p) override {
        const auto start = std::chrono::steady_clock::now();
        ++reports;
        std::fprintf(sink_, "\r%s\033[K", ProgressLine(*state, p).c_str());
        std::fflush(sink_);
        seconds += Seconds(start);
    }
    const ProgramState* state = nullptr;
    long reports = 0;
    double seconds = 0;

  private:
    FILE* sink_ = std::fopen("/dev/null", "w");
};

}  // namespace

int main(int argc, char** argv) {
    const int rounds = CountArgument(argc, argv, 7);
    const ScratchFolder root("harbinet-season");
    const std::string game = MakeChannelGame(root.Path()), own = game + "Harbinet/";
    const std::string winter = own + "Terrain/Channel/Winter/";
    const std::string autumn = own + "Terrain/Channel/Autumn/";

    BenchHost ui;
    NullDesktop desktop;
    ProgramState state(Folders::FromExecutable(own + "harbinet"), ui, desktop);

    std::printf("set: %d files, %zu MiB in %s\n", kSetFiles, kSetBytes >> 20, root.Path().c_str());
    const auto sources = MakeTerrainSet(winter, 11, TerrainFileName);
    const auto before = MakeTerrainSet(autumn, 12, TerrainFileName);
    const std::string elsewhere = root.Path() + "cp/";
    fs::create_directories(elsewhere);

    // Untimed first runs, so that each timed run replaces a previous install with warm caches.
    RunInstall(state, Season::Autumn);
    RunInstall(state, Season::Winter);
    CheckHoldsSet(game, "install");

    CompareWithCp(
        rounds, "InstallSeason",
        [&] {
            RunCp(before, elsewhere);
            return RunCp(sources, elsewhere);
        },
        [&] {
            RunInstall(state, Season::Autumn);  // the install the season change replaces
            const double took = RunInstall(state, Season::Winter);
            CheckHoldsSet(game, "install");
            return took;
        });

    // A January career: winter, which is installed.
    CareerFields january;
    january.monthIndex = 0;
    fs::create_directories(game + "Savedata");
    const std::string save = EncodeCareerSave(january);
    std::ofstream(game + "Savedata/CAREER1.SVE", std::ios::binary)
        .write(save.data(), static_cast<std::streamsize>(save.size()));
    RunInstall(state, Season::Winter);
    CompareWithCp(
        rounds, "refresh", [&] { return RunCp(sources, elsewhere); },
        [&] {
            const double took = TimeSynced([&] { RefreshSeasonNow(state); });
            CheckHoldsSet(game, "refresh");
            return took;
        });
    if (state.settings.InstalledSeason() != Season::Winter) {
        std::fprintf(stderr, "the refresh did not install winter\n");
        return 1;
    }

    ProgressHost progressUi;
    ProgramState withProgress(Folders::FromExecutable(own + "harbinet"), progressUi, desktop);
    progressUi.state = &withProgress;
    auto now = std::chrono::steady_clock::now();
    withProgress.clock = [&now] { return now += std::chrono::seconds(1); };
    const auto install = [&](ProgramState& s) {
        RunInstall(s, Season::Autumn);
        const double took = RunInstall(s, Season::Winter);
        CheckHoldsSet(game, "install");
        return took;
    };
    progressUi.reports = 0;
    progressUi.seconds = 0;
    double timed = 0;
    Compare(
        rounds, "no progress", [&] { return install(state); }, "progress",
        [&] {
            const double took = install(withProgress);
            timed += took;
            return took;
        });
    // Half the reports come from the untimed installs of autumn.
    std::printf("progress reports: %ld, drawing them %.2f ms, %.3f%% of the timed installs\n",
                progressUi.reports / 2, progressUi.seconds / 2 * 1000,
                progressUi.seconds / 2 / timed * 100);
    return 0;
}
