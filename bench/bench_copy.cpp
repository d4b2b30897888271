// Copying a terrain pack (120 files, 256 MiB) with CopyMatchingFiles against `cp` of the same
// files, warm caches for both, alternating which goes first. Prints median times and the ratio.
//   bench_copy [ROUNDS]   (folder: $TMPDIR, else /var/tmp, so that it is on a real disk)
#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchSupport.h"
#include "terrain/TerrainEngine.h"

namespace fs = std::filesystem;
using namespace harbinet;
using namespace harbinet::bench;

namespace {

void Empty(const std::string& folder) {
    for (const auto& e : fs::directory_iterator(folder)) fs::remove(e.path());
}

double RunOurs(const std::string& source, const std::string& target) {
    return TimeSynced([&] { terrain::CopyMatchingFiles(source, target, "*.TER"); });
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = CountArgument(argc, argv, 9);
    const ScratchFolder root("harbinet-bench");
    const std::string src = root.Path() + "src/", dst = root.Path() + "dst/";
    fs::create_directories(src);
    fs::create_directories(dst);

    std::printf("pack: %d files, %zu MiB in %s\n", kSetFiles, kSetBytes >> 20, root.Path().c_str());
    const auto sources = MakeTerrainSet(src, 7, [](int i) {
        char name[32];
        std::snprintf(name, sizeof name, "T%03d.TER", i);
        return std::string(name);
    });

    // One untimed run of each, so that both start from warm caches.
    Empty(dst);
    RunCp(sources, dst);
    Empty(dst);
    RunOurs(src, dst);
    CheckHoldsSet(dst, "copy");

    CompareWithCp(
        rounds, "CopyMatchingFiles",
        [&] {
            Empty(dst);
            return RunCp(sources, dst);
        },
        [&] {
            Empty(dst);
            const double took = RunOurs(src, dst);
            CheckHoldsSet(dst, "copy");
            return took;
        });
    return 0;
}
