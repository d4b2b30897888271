// A small mutation driver for the harnesses when libFuzzer is not there (g++ builds). It takes
// the same arguments a libFuzzer run would: files run once each (a reproducer), folders seed the
// corpus that -runs=N mutated inputs are drawn from. The run is fixed by -seed=S, so a failure in
// CI comes back the same on a developer's machine; the failing input is written to crash-<hash>.
//
//   fuzz_profile [-runs=N] [-seed=S] [-max_len=L] [-artifact_prefix=DIR/] CORPUS_DIR|FILE...
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#if defined(__has_include)
#if __has_include(<sanitizer/common_interface_defs.h>)
#include <sanitizer/common_interface_defs.h>
#define HARBINET_HAS_SANITIZER_API 1
#endif
#endif

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

// UndefinedBehaviorSanitizer ends the process on its own path, which skips the death callback;
// ending it by abort() lets the abort handler below keep the input.
extern "C" const char* __ubsan_default_options() {
    return "abort_on_error=1:print_stacktrace=1";
}
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

// The input being run, for the death handlers: they may only use what is safe in a signal.
const std::uint8_t* g_input = nullptr;
std::size_t g_inputSize = 0;
char g_crashPath[4096] = "crash-input";

void SaveInput() {
    if (!g_input) return;
    const int fd = ::open(g_crashPath, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    std::size_t done = 0;
    while (done < g_inputSize) {
        const ssize_t n = ::write(fd, g_input + done, g_inputSize - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    const char note[] = "\nfuzz driver: the failing input is in ";
    (void)!::write(2, note, sizeof note - 1);
    (void)!::write(2, g_crashPath, std::strlen(g_crashPath));
    (void)!::write(2, "\n", 1);
}

void OnAbort(int) {
    SaveInput();
    std::signal(SIGABRT, SIG_DFL);
    std::raise(SIGABRT);
}

std::uint64_t Hash(const std::string& bytes) {
    std::uint64_t h = 1469598103934665603ull;  // FNV-1a
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    return h;
}

bool ReadFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool IsFolder(const std::string& path) {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    if (DIR* d = ::opendir(folder.c_str())) {
        while (const dirent* e = ::readdir(d)) {
            if (e->d_name[0] != '.') names.push_back(folder + "/" + e->d_name);
        }
        ::closedir(d);
    }
    std::sort(names.begin(), names.end());  // readdir's order is the file system's
    return names;
}

// The bytes the text formats of the harnesses give meaning to.
constexpr char kSyntaxBytes[] = {'\n', '\r', '=', '[',  ']',    ';',   '*',  '?',
                                 '.',  ' ',  '"', '\'', ',',    '\t',  '\0', '\x1a',
                                 'A',  'z',  '0', '-',  '\xff', '\xef'};

class Mutator {
  public:
    Mutator(std::uint64_t seed, std::size_t maxLen) : rng_(seed), maxLen_(maxLen) {}

    std::size_t Below(std::size_t n) {
        return n == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_);
    }

    std::string Mutate(std::string s, const std::vector<std::string>& pool) {
        const std::size_t steps = 1 + Below(4);
        for (std::size_t i = 0; i < steps; ++i) Step(s, pool);
        if (s.size() > maxLen_) s.resize(maxLen_);
        return s;
    }

  private:
    char Byte() {
        return Below(2) ? kSyntaxBytes[Below(sizeof kSyntaxBytes)] : static_cast<char>(Below(256));
    }

    void Step(std::string& s, const std::vector<std::string>& pool) {
        switch (Below(7)) {
            case 0:  // flip a bit
                if (!s.empty()) s[Below(s.size())] ^= static_cast<char>(1u << Below(8));
                break;
            case 1:  // replace a byte
                if (!s.empty()) s[Below(s.size())] = Byte();
                break;
            case 2:  // insert bytes
                s.insert(Below(s.size() + 1), 1 + Below(3), Byte());
                break;
            case 3: {  // delete a run
                if (s.empty()) break;
                const std::size_t at = Below(s.size());
                s.erase(at, 1 + Below(std::min<std::size_t>(8, s.size() - at)));
                break;
            }
            case 4: {  // copy a run of the input elsewhere in it
                if (s.empty()) break;
                const std::size_t at = Below(s.size());
                const std::string run = s.substr(at, 1 + Below(16));
                s.insert(Below(s.size() + 1), run);
                break;
            }
            case 5: {  // splice: head of this input, tail of another
                const std::string& other = pool[Below(pool.size())];
                s = s.substr(0, Below(s.size() + 1)) + other.substr(Below(other.size() + 1));
                break;
            }
            default: {  // insert a run of another input
                const std::string& other = pool[Below(pool.size())];
                if (other.empty()) break;
                const std::size_t at = Below(other.size());
                s.insert(Below(s.size() + 1), other.substr(at, 1 + Below(32)));
                break;
            }
        }
    }

    std::mt19937_64 rng_;
    std::size_t maxLen_;
};

void Run(const std::string& input) {
    g_input = reinterpret_cast<const std::uint8_t*>(input.data());
    g_inputSize = input.size();
    // A copy of exactly the input's length, so reads past its end are caught.
    std::vector<std::uint8_t> copy(input.begin(), input.end());
    LLVMFuzzerTestOneInput(copy.empty() ? nullptr : copy.data(), copy.size());
    g_input = nullptr;
}

bool Flag(const char* arg, const char* name, long long& value) {
    const std::size_t n = std::strlen(name);
    if (std::strncmp(arg, name, n) != 0) return false;
    value = std::atoll(arg + n);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);

    long long runs = -1, seed = 1, maxLen = 4096;
    std::string artifactPrefix;
    std::vector<std::string> seeds, reproduce;
    for (int i = 1; i < argc; ++i) {
        const char* a = argv[i];
        if (Flag(a, "-runs=", runs) || Flag(a, "-seed=", seed) || Flag(a, "-max_len=", maxLen))
            continue;
        if (std::strncmp(a, "-artifact_prefix=", 17) == 0) {
            artifactPrefix = a + 17;
            continue;
        }
        if (a[0] == '-') continue;  // other libFuzzer flags mean nothing here
        if (IsFolder(a)) {
            for (const auto& f : FilesIn(a)) seeds.push_back(f);
        } else {
            reproduce.push_back(a);
        }
    }

    std::signal(SIGABRT, OnAbort);
#ifdef HARBINET_HAS_SANITIZER_API
    __sanitizer_set_death_callback(SaveInput);
#endif

    std::vector<std::string> pool;
    for (const auto& path : reproduce.empty() ? seeds : reproduce) {
        std::string bytes;
        if (!ReadFile(path, bytes)) {
            std::fprintf(stderr, "fuzz driver: cannot read %s\n", path.c_str());
            return 1;
        }
        std::snprintf(g_crashPath, sizeof g_crashPath, "%scrash-%016llx", artifactPrefix.c_str(),
                      static_cast<unsigned long long>(Hash(bytes)));
        Run(bytes);
        pool.push_back(std::move(bytes));
    }
    if (!reproduce.empty()) {
        std::printf("fuzz driver: ran %zu input(s)\n", reproduce.size());
        return 0;
    }
    if (pool.empty()) pool.emplace_back();
    if (runs < 0) runs = 10000;

    Mutator mutator(static_cast<std::uint64_t>(seed), static_cast<std::size_t>(maxLen));
    // Mutants stack: some survive into the pool, so later runs go further from the seeds.
    const std::size_t seedCount = pool.size();
    for (long long i = 0; i < runs; ++i) {
        const std::string input = mutator.Mutate(pool[mutator.Below(pool.size())], pool);
        std::snprintf(g_crashPath, sizeof g_crashPath, "%scrash-%016llx", artifactPrefix.c_str(),
                      static_cast<unsigned long long>(Hash(input)));
        Run(input);
        if (mutator.Below(8) == 0) {
            if (pool.size() < seedCount + 256)
                pool.push_back(input);
            else
                pool[seedCount + mutator.Below(256)] = input;
        }
    }
    std::printf("fuzz driver: %zu seed(s), %lld mutated run(s), seed %lld: no failure\n", seedCount,
                runs, seed);
    return 0;
}
