#include <canberra.h>
#include <sys/stat.h>

#include <mutex>

#include "platform/Desktop.h"
#include "platform/desktop/Processes.h"
#include "platform/desktop/X11Windows.h"

namespace harbinet {
namespace {

// One sound context for the whole process, made on the first sound; playing is asynchronous
// and every failure (no file, no sound server or device) is silent.
void PlaySoundFile(const std::string& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return;
    static std::mutex mutex;
    static ca_context* context = nullptr;
    static bool tried = false;
    std::lock_guard<std::mutex> lock(mutex);
    if (!tried) {
        tried = true;
        if (ca_context_create(&context) != CA_SUCCESS) context = nullptr;
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
    void ShellOpen(const std::string& target) override {
        desktop::SpawnDetached({"xdg-open", target}, std::string(), nullptr);
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
