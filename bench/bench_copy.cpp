// Copying a terrain pack (120 files, 256 MiB) with CopyMatchingFiles against `cp` of the same
// files, warm caches for both, alternating which goes first. Prints median times and the ratio.
//   bench_copy [ROUNDS]   (folder: $TMPDIR, else /var/tmp, so that it is on a real disk)
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

#include "platform/Files.h"
#include "terrain/TerrainEngine.h"

extern char** environ;

namespace fs = std::filesystem;
using namespace harbinet;

namespace {

constexpr int kFiles = 120;
constexpr std::size_t kTotal = 256u << 20;

std::vector<std::string> MakePack(const std::string& folder) {
    // Uneven sizes, as in a real pack; random bytes, so nothing is sparse or compressible.
    std::mt19937_64 rng(7);
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
        std::snprintf(name, sizeof name, "T%03d.TER", i);
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

void Empty(const std::string& folder) {
    for (const auto& e : fs::directory_iterator(folder)) fs::remove(e.path());
    ::sync();  // the previous run's dirty pages must not be written back during the next
}

double RunCp(const std::vector<std::string>& sources, const std::string& target) {
    std::vector<std::string> args = {"cp"};
    args.insert(args.end(), sources.begin(), sources.end());
    args.push_back(target);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (::posix_spawn(&pid, "/bin/cp", nullptr, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot start /bin/cp\n");
        std::exit(1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "cp failed\n");
        std::exit(1);
    }
    return took.count();
}

double RunOurs(const std::string& source, const std::string& target) {
    const auto start = std::chrono::steady_clock::now();
    terrain::CopyMatchingFiles(source, target, "*.TER");
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

void CheckCopied(const std::string& target) {
    std::uintmax_t bytes = 0;
    int count = 0;
    for (const auto& e : fs::directory_iterator(target)) {
        bytes += e.file_size();
        ++count;
    }
    if (count != kFiles || bytes != kTotal) {
        std::fprintf(stderr, "incomplete copy: %d files, %ju bytes\n", count, bytes);
        std::exit(1);
    }
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const char* env = std::getenv("TMPDIR");
    std::string base = (env && *env) ? env : "/var/tmp";
    if (base.back() != '/') base += '/';
    std::string root = base + "harbinet-bench-XXXXXX";
    if (!::mkdtemp(root.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    root += '/';
    const std::string src = root + "src/", dst = root + "dst/";
    fs::create_directories(src);
    fs::create_directories(dst);

    std::printf("pack: %d files, %zu MiB in %s\n", kFiles, kTotal >> 20, root.c_str());
    const auto sources = MakePack(src);

    // One untimed run of each, so that both start from warm caches.
    Empty(dst);
    RunCp(sources, dst);
    Empty(dst);
    RunOurs(src, dst);
    CheckCopied(dst);

    std::vector<double> cp, ours;
    for (int r = 0; r < rounds; ++r) {
        for (int turn = 0; turn < 2; ++turn) {
            Empty(dst);
            if ((r + turn) % 2 == 0) {
                cp.push_back(RunCp(sources, dst));
            } else {
                ours.push_back(RunOurs(src, dst));
                CheckCopied(dst);
            }
        }
        std::printf("round %d: cp %.3f s, CopyMatchingFiles %.3f s\n", r + 1, cp.back(),
                    ours.back());
    }

    const double mcp = Median(cp), mours = Median(ours);
    std::printf("median: cp %.3f s (%.0f MiB/s), CopyMatchingFiles %.3f s (%.0f MiB/s)\n", mcp,
                static_cast<double>(kTotal >> 20) / mcp, mours,
                static_cast<double>(kTotal >> 20) / mours);
    std::printf("ratio CopyMatchingFiles / cp: %.2f\n", mours / mcp);

    std::error_code ec;
    fs::remove_all(root, ec);
    return 0;
}
