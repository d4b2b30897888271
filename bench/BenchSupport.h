// What the benchmarks share: a scratch folder on a real disk, a terrain-sized set of files,
// `cp` as the yardstick, timing, and frame services and a desktop that stay out of the way.
#pragma once

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <system_error>
#include <vector>

#include "model/Host.h"
#include "platform/Desktop.h"

extern char** environ;

namespace harbinet::bench {

// A terrain set as large as a real one.
constexpr int kSetFiles = 120;
constexpr std::size_t kSetBytes = 256u << 20;

// The first argument as a count of at least 1, else the default.
inline int CountArgument(int argc, char** argv, int fallback) {
    return argc > 1 ? std::max(1, std::atoi(argv[1])) : fallback;
}

// A new folder below $TMPDIR, else /var/tmp (tmpfs would not measure the disk); removed at
// the end. The path ends in "/".
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name) {
        const char* env = std::getenv("TMPDIR");
        path_ = env && *env ? env : "/var/tmp";
        if (path_.back() != '/') path_ += '/';
        path_ += name + "-XXXXXX";
        if (!::mkdtemp(path_.data())) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        path_ += '/';
    }
    ~ScratchFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// A game folder in root ("EAW/", returned) whose Harbinet folder has set 1 "Channel" with
// seasons, its winter recorded as installed, and the terrain patterns of a first installation.
inline std::string MakeChannelGame(const std::string& root) {
    const std::string game = root + "EAW/";
    std::filesystem::create_directories(game + "Harbinet/Terrain/Channel/");
    std::ofstream(game + "EAW.EXE") << "MZ";
    std::ofstream(game + "Harbinet/harbinet.INI")
        << "[Harbinet]\r\nMode=0\r\nTerrain=4\r\nTerrainSet=1\r\n"
           "TerrainFiles=*.TER,GRAS*.TPC\r\n[TerrainSets]\r\nTerrain1=Channel\r\nSeasons1=1\r\n";
    return game;
}

// The names of a set's files: GRAS*.TPC for every fourth, *.TER for the others.
inline std::string TerrainFileName(int i) {
    char text[32];
    std::snprintf(text, sizeof text, i % 4 ? "T%03d.TER" : "GRAS%03d.TPC", i);
    return text;
}

// kSetFiles files of uneven sizes adding up to kSetBytes, as in a real set; random bytes, so
// nothing is sparse or compressible. nameOf(i) names file i. Returns the paths.
inline std::vector<std::string> MakeTerrainSet(const std::string& folder, std::uint64_t seed,
                                               const std::function<std::string(int)>& nameOf) {
    std::filesystem::create_directories(folder);
    std::mt19937_64 rng(seed);
    std::vector<double> weights(kSetFiles);
    double sum = 0;
    for (auto& w : weights) sum += (w = 0.2 + static_cast<double>(rng() % 1000) / 500.0);
    std::vector<std::string> paths;
    std::size_t written = 0;
    std::vector<std::uint64_t> block(1 << 16);
    for (int i = 0; i < kSetFiles; ++i) {
        std::size_t size =
            i + 1 == kSetFiles
                ? kSetBytes - written
                : static_cast<std::size_t>(static_cast<double>(kSetBytes) *
                                           weights[static_cast<std::size_t>(i)] / sum);
        written += size;
        paths.push_back(folder + nameOf(i));
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

// Stops the bench unless the folder holds the whole set (settings files and the game aside).
inline void CheckHoldsSet(const std::string& folder, const char* what) {
    std::uintmax_t bytes = 0;
    int count = 0;
    for (const auto& e : std::filesystem::directory_iterator(folder)) {
        // Harbinet's own bookkeeping files are hidden.
        if (!e.is_regular_file() || e.path().filename().string().starts_with(".") ||
            e.path().extension() == ".INI" || e.path().extension() == ".EXE")
            continue;
        bytes += e.file_size();
        ++count;
    }
    if (count != kSetFiles || bytes != kSetBytes) {
        std::fprintf(stderr, "incomplete %s: %d files, %ju bytes\n", what, count, bytes);
        std::exit(1);
    }
}

inline double Seconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Times `fn`, after syncing, so that earlier runs' dirty pages are not written back during it.
template <class Fn>
double TimeSynced(Fn&& fn) {
    ::sync();
    const auto start = std::chrono::steady_clock::now();
    fn();
    return Seconds(start);
}

// Runs a program and waits for it; stops the bench when it fails (or, with differ, when it
// finds the files differ: cmp's exit status 1).
inline void RunTool(const char* path, std::vector<std::string> args) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    int status = 0;
    if (::posix_spawn(&pid, path, nullptr, nullptr, argv.data(), environ) != 0 ||
        ::waitpid(pid, &status, 0) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", path);
        std::exit(1);
    }
}

// `cp SOURCES... TARGET`, timed.
inline double RunCp(const std::vector<std::string>& sources, const std::string& target) {
    std::vector<std::string> args = {"cp"};
    args.insert(args.end(), sources.begin(), sources.end());
    args.push_back(target);
    return TimeSynced([&] { RunTool("/bin/cp", args); });
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Rounds of one timed run of `first` and one of `second` each, alternating which goes first;
// prints every round, the medians with the rate over the bytes copied, and second / first.
template <class First, class Second>
void Compare(int rounds, const char* first, First&& runFirst, const char* second,
             Second&& runSecond, std::size_t bytes = kSetBytes) {
    std::vector<double> firstTimes, secondTimes;
    for (int r = 0; r < rounds; ++r) {
        for (int turn = 0; turn < 2; ++turn) {
            if ((r + turn) % 2 == 0)
                firstTimes.push_back(runFirst());
            else
                secondTimes.push_back(runSecond());
        }
        std::printf("round %d: %s %.3f s, %s %.3f s\n", r + 1, first, firstTimes.back(), second,
                    secondTimes.back());
    }
    const double m1 = Median(firstTimes), m2 = Median(secondTimes);
    const double mib = static_cast<double>(bytes >> 20);
    std::printf("median: %s %.3f s (%.0f MiB/s), %s %.3f s (%.0f MiB/s)\n", first, m1, mib / m1,
                second, m2, mib / m2);
    std::printf("ratio %s / %s: %.3f\n", second, first, m2 / m1);
}

// Ours against `cp`.
template <class Cp, class Ours>
void CompareWithCp(int rounds, const char* ours, Cp&& runCp, Ours&& runOurs,
                   std::size_t bytes = kSetBytes) {
    Compare(rounds, "cp", runCp, ours, runOurs, bytes);
}

// Any message box means the run did not go as measured: it is printed and the bench stops.
// Busy icons are counted.
class BenchHost : public QuietHost {
  public:
    void ShowMessage(MessageIcon, const std::string& caption, const std::string& text) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        std::exit(1);
    }
    void UpdateTrayIcon(bool busy) override { busyCalls += busy ? 1 : 0; }

    int busyCalls = 0;
};

}  // namespace harbinet::bench
