// Staging the skins of a terrain set with seasons: 30 models chosen per season from a catalogue
// of 120 skins of 3 files (2 MiB each), four season folders, against `cp` of the same files
// into the same folders. The whole confirmation runs, as the skins board's OK runs it.
// Prints median times and the ratio.
//   bench_stage [ROUNDS]   (folder: $TMPDIR, else /var/tmp, so that it is on a real disk)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "BenchSupport.h"
#include "skins/SeasonSkinChoices.h"
#include "skins/SkinCatalogue.h"

namespace fs = std::filesystem;
using namespace harbinet;
using namespace harbinet::bench;

namespace {

constexpr std::size_t kFileBytes = 2u << 20;

void WriteRandom(const std::string& path, std::mt19937_64& rng) {
    std::vector<std::uint64_t> block(kFileBytes / sizeof(std::uint64_t));
    for (auto& b : block) b = rng();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(block.data()),
               static_cast<std::streamsize>(kFileBytes));
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = CountArgument(argc, argv, 5);
    const ScratchFolder root("harbinet-bench");
    const std::string game = root.Path() + "EAW/", own = game + "Harbinet/";
    const std::string store = own + "Vandelholt/";
    fs::create_directories(store);
    std::ofstream(game + "EAW.EXE") << "MZ";
    std::ofstream(own + "harbinet.INI") << "[Harbinet]\r\nSkinFiles=P*.TPC,*.3DZ\r\n"
                                           "[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\n";
    BenchHost ui;
    NullDesktop desktop;
    ProgramState state(Folders::FromExecutable(own + "harbinet"), ui, desktop);

    // Skin n (1..120) is one of model (n-1) % 30, the choice of season (n-1) / 30.
    std::mt19937_64 rng(11);
    SeasonSkinChoices choices;
    if (!choices.LoadChoices(store + "Channel.DAT")) return 1;
    std::vector<std::vector<std::string>> sources(4);
    for (unsigned n = 1; n <= 120; ++n) {
        const std::size_t model = (n - 1) % 30, row = (n - 1) / 30;
        const std::string code(AircraftModelTable::CodeAt(model));
        choices.SetChoice(row, model, n);
        SkinRecord record = NewSkinRecord();
        record.baseModel = code;
        record.model = record.unit = "bench";
        for (const std::string& name :
             {"P" + code + "TEX.TPC", "P" + code + "TES.TPC", code + ".3DZ"}) {
            const std::string path = store + std::to_string(n) + "_" + name;
            WriteRandom(path, rng);
            sources[row].push_back(path);
            record.files.push_back(name);
        }
        std::ofstream(store + std::to_string(n) + ".DAT") << SkinRecordText(record);
    }
    std::vector<std::string> seasons;
    for (const char* season : {"Spring", "Summer", "Autumn", "Winter"}) {
        seasons.push_back(own + "Skins/Channel/" + season + "/");
        fs::create_directories(seasons.back());
    }
    const std::size_t bytes = 360 * kFileBytes;
    std::printf("staging 4 x 90 files, %zu MiB in %s\n", bytes >> 20, root.Path().c_str());

    auto empty = [&] {
        for (const std::string& folder : seasons)
            for (const auto& e : fs::directory_iterator(folder)) fs::remove(e.path());
    };
    auto ours = [&] {
        empty();
        return TimeSynced([&] {
            if (ConfirmTerrainSkins(state, 1, choices).failed) std::fprintf(stderr, "failed\n");
        });
    };
    // cp keeps the store's names; the names do not change what is copied.
    auto cp = [&] {
        empty();
        double took = 0;
        for (std::size_t row = 0; row < 4; ++row) took += RunCp(sources[row], seasons[row]);
        return took;
    };
    ours();
    cp();
    CompareWithCp(rounds, "ConfirmTerrainSkins", cp, ours, bytes);
    return 0;
}
