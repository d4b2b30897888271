#include "platform/desktop/Processes.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace harbinet::desktop {
namespace {

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}

std::string CurrentFolder() {
    char buffer[PATH_MAX];
    return ::getcwd(buffer, sizeof buffer) ? std::string(buffer) + "/" : std::string();
}

// What the processes under us report through the pipe: why the program could not be started,
// or (from the watcher) that it has ended.
enum Stage : int { kFork = 1, kChdir = 2, kExec = 3, kEnded = 4 };
struct Report {
    int stage;
    int value;  // errno, or the wait status for kEnded
};

void WriteReport(int fd, Stage stage, int value) {
    const Report r{stage, value};
    [[maybe_unused]] ssize_t n = ::write(fd, &r, sizeof r);
}

void CloseDescriptors(unsigned from, unsigned to) {
    if (from > to) return;
    if (::close_range(from, to, 0) == 0) return;
    long max = ::sysconf(_SC_OPEN_MAX);
    if (max < 0 || max > 65536) max = 65536;
    for (long fd = from; fd < max && fd <= static_cast<long>(to); ++fd)
        ::close(static_cast<int>(fd));
}

// Whatever we start must hold none of our descriptors: not our standard output (a script's
// $(harbinet-cli launch) would wait for the game to end), not our sockets or locks. Runs in the
// first child, so that the watcher holds nothing either; returns where the report pipe now is.
int DetachDescriptors(int reportFd) {
    if (reportFd <= 2) reportFd = ::fcntl(reportFd, F_DUPFD_CLOEXEC, 3);
    if (reportFd < 0) ::_exit(127);
    const int null = ::open("/dev/null", O_RDWR);
    if (null >= 0) {
        for (int fd = 0; fd <= 2; ++fd) ::dup2(null, fd);
        if (null > 2) ::close(null);
    }
    CloseDescriptors(3, static_cast<unsigned>(reportFd) - 1);
    CloseDescriptors(static_cast<unsigned>(reportFd) + 1, ~0U);
    return reportFd;
}

// The program's own signal set-up (ignored SIGPIPE, blocked signals) is not the child's.
void ResetSignals() {
    struct sigaction dfl {};
    dfl.sa_handler = SIG_DFL;
    for (int sig = 1; sig < NSIG; ++sig) ::sigaction(sig, &dfl, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

// The report pipe closes on exec: its end of file without a report tells that exec succeeded.
[[noreturn]] void RunProgram(int reportFd, const char* program, char* const* argv,
                             const char* folder) {
    ResetSignals();
    ::setsid();
    if (folder && ::chdir(folder) != 0) {
        WriteReport(reportFd, kChdir, errno);
        ::_exit(127);
    }
    ::execv(program, argv);
    WriteReport(reportFd, kExec, errno);
    ::_exit(127);
}

// Waits for the program it started and reports its end; the parent may have stopped listening.
[[noreturn]] void RunWatcher(int reportFd, const char* program, char* const* argv,
                             const char* folder) {
    ResetSignals();
    ::setsid();
    const pid_t pid = ::fork();
    if (pid < 0) {
        WriteReport(reportFd, kFork, errno);
        ::_exit(127);
    }
    if (pid == 0) RunProgram(reportFd, program, argv, folder);
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    ::sigaction(SIGPIPE, &ignore, nullptr);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) ::_exit(0);
    }
    WriteReport(reportFd, kEnded, status);
    ::_exit(0);
}

// Reads one report; false at end of file or, with a deadline, when it has passed first.
bool ReadReport(int fd, const std::chrono::steady_clock::time_point* deadline, Report* report) {
    std::size_t got = 0;
    while (got < sizeof *report) {
        if (deadline) {
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(
                *deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd p{fd, POLLIN, 0};
            const int ready = ::poll(&p, 1, static_cast<int>(left.count()));
            if (ready < 0 && errno == EINTR) continue;
            if (ready <= 0) return false;
        }
        const ssize_t n = ::read(fd, reinterpret_cast<char*>(report) + got, sizeof *report - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        got += static_cast<std::size_t>(n);
    }
    return true;
}

// Starts argv as a grandchild, or under a watcher grandchild when end is given, so that nothing
// is ever left as our zombie.
bool Start(const std::vector<std::string>& argv, const std::string& workingFolder,
           std::chrono::milliseconds wait, ProgramEnd* end, std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    if (argv.empty()) return fail("no program to start");
    const std::string program = FindProgram(argv[0]);
    if (program.empty()) return fail(argv[0] + ": program not found or not executable");

    // Everything the child needs is prepared before fork: after it only async-signal-safe calls.
    std::vector<char*> args;
    for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    const char* folder = workingFolder.empty() ? nullptr : workingFolder.c_str();

    int pipeFds[2];
    if (::pipe2(pipeFds, O_CLOEXEC) != 0) return fail(std::string("pipe: ") + std::strerror(errno));

    const pid_t child = ::fork();
    if (child < 0) {
        int e = errno;
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        return fail(std::string("fork: ") + std::strerror(e));
    }
    if (child == 0) {
        ::close(pipeFds[0]);
        const int reportFd = DetachDescriptors(pipeFds[1]);
        const pid_t grandchild = ::fork();
        if (grandchild < 0) WriteReport(reportFd, kFork, errno);
        if (grandchild != 0) ::_exit(0);
        if (end) RunWatcher(reportFd, program.c_str(), args.data(), folder);
        RunProgram(reportFd, program.c_str(), args.data(), folder);
    }

    ::close(pipeFds[1]);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    Report report{};
    // No report: executed (and, watched, still running or its watcher gone).
    const bool reported = ReadReport(pipeFds[0], end ? &deadline : nullptr, &report);
    ::close(pipeFds[0]);
    if (end) *end = ProgramEnd{};
    if (!reported) return true;
    if (report.stage == kEnded) {
        *end = ProgramEnd{false, report.value};
        return true;
    }

    const std::string reason = std::strerror(report.value);
    switch (report.stage) {
        case kFork:
            return fail("fork: " + reason);
        case kChdir:
            return fail(workingFolder + ": " + reason);
        default:
            return fail(program + ": " + reason);
    }
}

}  // namespace

std::string FindProgram(const std::string& argv0) {
    if (argv0.empty()) return {};
    if (argv0.find('/') != std::string::npos) {
        std::string path = argv0.front() == '/' ? argv0 : CurrentFolder() + argv0;
        return IsExecutableFile(path) ? path : std::string();
    }
    const char* env = std::getenv("PATH");
    std::string list = env ? env : "/usr/local/bin:/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= list.size()) {
        std::size_t end = list.find(':', start);
        if (end == std::string::npos) end = list.size();
        const std::string dir = end > start ? list.substr(start, end - start) : std::string(".");
        std::string candidate = dir + "/" + argv0;
        if (candidate.front() != '/') candidate = CurrentFolder() + candidate;
        if (IsExecutableFile(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

bool SpawnDetached(const std::vector<std::string>& argv, const std::string& workingFolder,
                   std::string* error) {
    return Start(argv, workingFolder, std::chrono::milliseconds(0), nullptr, error);
}

bool SpawnWatched(const std::vector<std::string>& argv, const std::string& workingFolder,
                  std::chrono::milliseconds wait, ProgramEnd* end, std::string* error) {
    ProgramEnd ignored;
    return Start(argv, workingFolder, wait, end ? end : &ignored, error);
}

int ReplaceProcess(const std::vector<std::string>& argv) {
    if (argv.empty()) return EINVAL;
    std::vector<char*> args;
    for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
    args.push_back(nullptr);
    std::fflush(nullptr);
    ::execvp(args[0], args.data());
    return errno;
}

}  // namespace harbinet::desktop
