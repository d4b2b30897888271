// One season install (InstallSeason) of a terrain-sized set, 120 files and 256 MiB, against
// `cp` of the same files into the same game folder. Both replace the files of the previous
// install, as a season change does; caches warm, dirty pages synced before every run.
//   bench_season [ROUNDS]   (folder: $TMPDIR, else /var/tmp, so that it is on a real disk)
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "shell/FrameState.h"
#include "terrain/SeasonSwitching.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace harbinet;

namespace {

constexpr int kFiles = 120;
constexpr std::size_t kTotal = 256u << 20;

class QuietServices : public FrameServices {
  public:
    void ShowMessage(MessageIcon, const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        std::exit(1);
    }
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void UpdateTrayIcon(bool) override {}
    bool StartSeasonTimer(std::uint32_t) override { return true; }
    void StopSeasonTimer() override {}
    void PostCommand(int) override {}
};

class NoDesktop : public Desktop {
  public:
    bool WindowExists(const std::string&) override { return false; }
    bool BringWindowForward(const std::string&) override { return false; }
    bool Spawn(const std::vector<std::string>&, const std::string&, std::string*) override {
        return false;
    }
    void ShellOpen(const std::string&) override {}
    void PlaySound(const std::string&) override {}
};

// Uneven sizes of random bytes: nothing sparse or compressible.
std::vector<std::string> MakePack(const std::string& folder) {
    std::mt19937_64 rng(11);
    std::vector<double> weights(kFiles);
    double sum = 0;
    for (auto& w : weights) sum += (w = 0.2 + static_cast<double>(rng() % 1000) / 500.0);
    std::vector<std::string> paths;
    std::size_t written = 0;
    std::vector<std::uint64_t> block(1 << 16);
    for (int i = 0; i < kFiles; ++i) {
        std::size_t size =
            i + 1 == kFiles
                ? kTotal - written
                : static_cast<std::size_t>(static_cast<double>(kTotal) * weights[i] / sum);
        written += size;
        char name[32];
        std::snprintf(name, sizeof name, i % 4 ? "T%03d.TER" : "GRAS%03d.TPC", i);
        paths.push_back(folder + name);
        std::ofstream out(paths.back(), std::ios::binary);
        while (size > 0) {
            for (auto& b : block) b = rng();
            const std::size_t n = std::min(size, block.size() * sizeof block[0]);
            out.write(reinterpret_cast<const char*>(block.data()), static_cast<std::streamsize>(n));
            size -= n;
        }
    }
    return paths;
}

double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double RunCp(const std::vector<std::string>& sources, const std::string& target) {
    std::vector<std::string> args = {"cp"};
    args.insert(args.end(), sources.begin(), sources.end());
    args.push_back(target);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    int status = 0;
    if (::posix_spawn(&pid, "/bin/cp", nullptr, nullptr, argv.data(), environ) != 0 ||
        ::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cp failed\n");
        std::exit(1);
    }
    return Seconds(start);
}

double RunInstall(FrameState& state, std::int32_t season) {
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    InstallSeason(state, season);
    return Seconds(start);
}

void CheckInstalled(const std::string& game) {
    std::uintmax_t bytes = 0;
    int count = 0;
    for (const auto& e : fs::directory_iterator(game)) {
        if (!e.is_regular_file() || e.path().extension() == ".INI") continue;
        bytes += e.file_size();
        ++count;
    }
    if (count != kFiles || bytes != kTotal) {
        std::fprintf(stderr, "incomplete install: %d files, %ju bytes\n", count, bytes);
        std::exit(1);
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    const char* env = std::getenv("TMPDIR");
    std::string root = std::string(env && *env ? env : "/var/tmp") + "/harbinet-season-XXXXXX";
    if (!::mkdtemp(root.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    root += '/';
    const std::string game = root + "EAW/", own = game + "Harbinet/";
    const std::string winter = own + "Terrain/Channel/Winter/";
    fs::create_directories(winter);
    std::ofstream(own + "harbinet.INI")
        << "[Harbinet]\r\nTerrain=4\r\nTerrainSet=1\r\nTerrainFiles=*.TER,GRAS*.TPC\r\n"
           "[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\n";

    QuietServices ui;
    NoDesktop desktop;
    FrameState state(Folders::FromExecutable(own + "harbinet"), ui, desktop);
    state.TerrainSet = 1;

    std::printf("set: %d files, %zu MiB in %s\n", kFiles, kTotal >> 20, root.c_str());
    const auto sources = MakePack(winter);

    // Untimed first runs, so that each timed run replaces a previous install with warm caches.
    RunCp(sources, game);
    RunInstall(state, kWinter);
    CheckInstalled(game);

    std::vector<double> cp, ours;
    for (int r = 0; r < rounds; ++r) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((r + turn) % 2 == 0) {
                cp.push_back(RunCp(sources, game));
            } else {
                ours.push_back(RunInstall(state, kWinter));
                CheckInstalled(game);
            }
        }
        std::printf("round %d: cp %.3f s, InstallSeason %.3f s\n", r + 1, cp.back(), ours.back());
    }

    const double mcp = Median(cp), mours = Median(ours);
    std::printf("median: cp %.3f s (%.0f MiB/s), InstallSeason %.3f s (%.0f MiB/s)\n", mcp,
                static_cast<double>(kTotal >> 20) / mcp, mours,
                static_cast<double>(kTotal >> 20) / mours);
    std::printf("ratio InstallSeason / cp: %.2f\n", mours / mcp);

    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
