#include "platform/desktop/Processes.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
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

// What the grandchild reports through the pipe when it cannot become the program.
enum Stage : int { kFork = 1, kChdir = 2, kExec = 3 };
struct Report {
    int stage;
    int error;
};

void WriteReport(int fd, Stage stage, int error) {
    const Report r{stage, error};
    [[maybe_unused]] ssize_t n = ::write(fd, &r, sizeof r);
}

// Nothing the program opened may leak into the child: mark every descriptor above 2 to close
// on exec (the report pipe included, whose closing tells the parent that exec succeeded).
void CloseInheritedDescriptors() {
    if (::close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0) return;
    long max = ::sysconf(_SC_OPEN_MAX);
    if (max < 0 || max > 65536) max = 65536;
    for (int fd = 3; fd < max; ++fd) {
        int flags = ::fcntl(fd, F_GETFD);
        if (flags >= 0) ::fcntl(fd, F_SETFD, flags | FD_CLOEXEC);
    }
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

[[noreturn]] void RunGrandchild(int reportFd, const char* program, char* const* argv,
                                const char* folder) {
    ResetSignals();
    ::setsid();
    if (folder && ::chdir(folder) != 0) {
        WriteReport(reportFd, kChdir, errno);
        ::_exit(127);
    }
    CloseInheritedDescriptors();
    ::execv(program, argv);
    WriteReport(reportFd, kExec, errno);
    ::_exit(127);
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
        const pid_t grandchild = ::fork();
        if (grandchild < 0) WriteReport(pipeFds[1], kFork, errno);
        if (grandchild != 0) ::_exit(0);
        RunGrandchild(pipeFds[1], program.c_str(), args.data(), folder);
    }

    ::close(pipeFds[1]);
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
    // End of file without a report: the program was executed.
    Report report{};
    std::size_t got = 0;
    while (got < sizeof report) {
        ssize_t n = ::read(pipeFds[0], reinterpret_cast<char*>(&report) + got, sizeof report - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(pipeFds[0]);
    if (got < sizeof report) return true;

    const std::string reason = std::strerror(report.error);
    switch (report.stage) {
        case kFork:
            return fail("fork: " + reason);
        case kChdir:
            return fail(workingFolder + ": " + reason);
        default:
            return fail(program + ": " + reason);
    }
}

}  // namespace harbinet::desktop
