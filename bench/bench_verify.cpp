// Verify of an installed terrain-sized set, 120 files and 256 MiB, against `cmp` of each game
// file with its store file: both read every byte of both sides. Caches warm.
//   bench_verify [ROUNDS]   (folder: $TMPDIR, else /var/tmp, so that it is on a real disk)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "change/PlanListing.h"
#include "model/ProgramState.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainSets.h"

namespace fs = std::filesystem;
using namespace harbinet;
using namespace harbinet::bench;

int main(int argc, char** argv) {
    const int rounds = CountArgument(argc, argv, 7);
    const ScratchFolder root("harbinet-verify");
    const std::string game = MakeChannelGame(root.Path()), own = game + "Harbinet/";
    const std::string winter = own + "Terrain/Channel/Winter/";
    BenchHost ui;
    NullDesktop desktop;
    ProgramState state(Folders::FromExecutable(own + "harbinet"), ui, desktop);
    const auto sources = MakeTerrainSet(winter, 11, TerrainFileName);
    InstallSeason(state, Season::Winter);
    CheckHoldsSet(game, "install");

    const auto verify = [&] {
        std::size_t found = 0;
        const double took = TimeSynced([&] {
            Plan plan;
            if (PlanChange(state, InstalledChange(state), plan).refused) std::exit(1);
            found = Differences(plan, state).size();
        });
        if (found != 0) {
            std::fprintf(stderr, "verify found %zu differences\n", found);
            std::exit(1);
        }
        return took;
    };
    const auto cmp = [&] {
        return TimeSynced([&] {
            for (const std::string& source : sources)
                RunTool("/usr/bin/cmp",
                        {"cmp", "-s", source, game + fs::path(source).filename().string()});
        });
    };
    verify();  // caches warm for both
    Compare(rounds, "cmp", cmp, "verify", verify);
    return 0;
}
