#include <canberra.h>
#include <glob.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <mutex>

#include "platform/Desktop.h"
#include "platform/desktop/Processes.h"
#include "platform/desktop/X11Windows.h"

namespace harbinet {
namespace {

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// A sound server, or a playback device of the sound card. Without either the sound library
// only fills standard error with complaints of the card it cannot find.
bool HasSoundOutput() {
    const char* server = std::getenv("PULSE_SERVER");
    if (server && *server) return true;
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder =
        runtime && *runtime ? std::string(runtime) : "/run/user/" + std::to_string(::getuid());
    if (Exists(folder + "/pulse/native") || Exists(folder + "/pipewire-0")) return true;
    glob_t found{};
    const bool device = ::glob("/dev/snd/pcmC*D*p", GLOB_NOSORT, nullptr, &found) == 0;
    ::globfree(&found);
    return device;
}

// One sound context for the whole process, made on the first sound when there is a sound
// output; playing is asynchronous and every failure (no file, no sound output) is silent.
void PlaySoundFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    static std::mutex mutex;
    static ca_context* context = nullptr;
    static bool tried = false;
    std::lock_guard<std::mutex> lock(mutex);
    if (!tried) {
        tried = true;
        if (!HasSoundOutput() || ca_context_create(&context) != CA_SUCCESS) context = nullptr;
    }
    if (!context) return;
    const int result = ca_context_play(context, 0, CA_PROP_MEDIA_FILENAME, path.c_str(), nullptr);
    // The file exists, so these mean there is no sound output: stop asking (each attempt makes
    // the sound library complain on standard error).
    if (result == CA_ERROR_NOTFOUND || result == CA_ERROR_NODRIVER ||
        result == CA_ERROR_NOTAVAILABLE || result == CA_ERROR_DISCONNECTED) {
        ca_context_destroy(context);
        context = nullptr;
    }
}

// xdg-open's exit statuses, in the user's words.
std::string OpenFailure(int status) {
    if (!WIFEXITED(status)) return "xdg-open ended by signal " + std::to_string(WTERMSIG(status));
    switch (WEXITSTATUS(status)) {
        case 1:
            return "xdg-open: error in the command line";
        case 2:
            return "The file does not exist";
        case 3:
            return "No application was found to open it";
        case 4:
            return "The application failed to open it";
        default:
            return "xdg-open failed with status " + std::to_string(WEXITSTATUS(status));
    }
}

class SystemDesktop : public Desktop {
  public:
    bool WindowExists(const std::string& title) override { return windows_.Exists(title); }
    bool BringWindowForward(const std::string& title) override {
        return windows_.BringForward(title);
    }
    bool Spawn(const std::vector<std::string>& argv, const std::string& workingFolder,
               std::string* error) override {
        return desktop::SpawnDetached(argv, workingFolder, error);
    }
    bool ShellOpen(const std::string& target, std::string* error) override {
        // xdg-open fails at once when it finds no application or the application fails; one
        // still running after the wait has started the application (some wait for it to close).
        constexpr std::chrono::milliseconds kVerdictWait(1500);
        if (desktop::FindProgram("xdg-open").empty()) {
            if (error) *error = "xdg-open was not found (it comes with xdg-utils)";
            return false;
        }
        desktop::ProgramEnd end;
        if (!desktop::SpawnWatched({"xdg-open", target}, std::string(), kVerdictWait, &end, error))
            return false;
        if (end.running || (WIFEXITED(end.status) && WEXITSTATUS(end.status) == 0)) return true;
        if (error) *error = OpenFailure(end.status);
        return false;
    }
    void PlaySound(const std::string& path) override { PlaySoundFile(path); }

  private:
    desktop::X11Windows windows_;
};

}  // namespace

std::unique_ptr<Desktop> MakeSystemDesktop() {
    return std::make_unique<SystemDesktop>();
}

}  // namespace harbinet
