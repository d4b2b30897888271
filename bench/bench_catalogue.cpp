// A skin catalogue of 2,000 skins whose "SkinCount" claims 4,000,000,000: `harbinet-cli skins
// list` as a process (goal: under 0.2 s), and what opening the skins board of a set costs
// without its pictures: the set's choices, the eight slots of a page and a click that walks
// past every skin of the catalogue (goal: under 0.5 s together).
//   bench_catalogue CLI [ROUNDS]   (CLI: the harbinet-cli to run)
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "BenchSupport.h"
#include "skins/SeasonSkinChoices.h"
#include "skins/SkinCatalogue.h"

namespace fs = std::filesystem;
using namespace harbinet;
using namespace harbinet::bench;

namespace {

constexpr unsigned kSkins = 2000;

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_catalogue CLI [ROUNDS]\n");
        return 2;
    }
    const std::string cli = argv[1];
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const ScratchFolder root("harbinet-catalogue");
    const std::string game = root.Path() + "EAW/", own = game + "Harbinet/";
    const std::string store = own + "Vandelholt/";
    fs::create_directories(store);
    std::ofstream(game + "EAW.EXE") << "MZ";
    std::ofstream(own + "harbinet.INI")
        << "[Harbinet]\r\nVersion=22\r\nMode=0\r\nSkinFiles=P*.TPC,*.3DZ\r\n"
           "[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\n";
    std::ofstream(store + "Skins.INI") << "[Skins]\r\nSkinCount=4000000000\r\n";
    for (unsigned n = 1; n <= kSkins; ++n) {
        SkinRecord r = NewSkinRecord();
        r.baseModel = AircraftModelTable::CodeAt(n % 30);
        r.model = "Skin " + std::to_string(n);
        r.unit = "Unit";
        r.files = {"P" + r.baseModel + "TEX.TPC", r.baseModel + ".3DZ"};
        std::ofstream(store + std::to_string(n) + ".DAT") << SkinRecordText(r);
        for (const std::string& name : r.files)
            std::ofstream(store + std::to_string(n) + "_" + name) << name;
    }
    std::printf("catalogue: %u skins in %s\n", kSkins, store.c_str());

    BenchHost ui;
    NullDesktop desktop;
    ProgramState state(Folders::FromExecutable(own + "harbinet"), ui, desktop);
    std::vector<double> list, board;
    for (int round = 0; round < rounds; ++round) {
        list.push_back(TimeSynced([&] {
            const std::string command =
                "'" + cli + "' --folder '" + own + "' skins list >/dev/null";
            if (std::system(command.c_str()) != 0) std::fprintf(stderr, "skins list failed\n");
        }));
        board.push_back(TimeSynced([&] {
            const SkinCatalogue catalogue(state.SkinCatalogueFolder);
            SeasonSkinChoices choices;
            if (!LoadChoicesOf(state, 1, choices)) std::abort();
            for (std::size_t m = 0; m < 8; ++m) catalogue.SlotOf(m, choices.GetChoice(0, m));
            // A model none of whose skins comes after the last: the whole catalogue is read.
            catalogue.NextSkinOf("none", 0);
        }));
        std::printf("round %d: skins list %.3f s, board %.3f s\n", round + 1, list.back(),
                    board.back());
    }
    std::printf("median: skins list %.3f s (goal 0.2 s), board %.3f s (goal 0.5 s)\n", Median(list),
                Median(board));
    return 0;
}
