// The system desktop on Windows: top-level windows by title, CreateProcessW, the shell's "open"
// and the system's sound player.
#include "platform/windows/WinApi.h"
// After windows.h, whose PlaySound macro WinApi.h takes back.
#include <mmsystem.h>
#include <shellapi.h>

#include <cstring>

#include "platform/Desktop.h"
#include "platform/Files.h"
#include "platform/desktop/Processes.h"

namespace harbinet {
namespace {

// The functions of the libraries that only the desktop's answers need.
template <class Function>
Function* User32(const char* name) {
    return win::SystemFunction<Function>(L"user32.dll", name);
}

HWND FindTopLevel(const std::string& title) {
    static const auto find = User32<decltype(::FindWindowW)>("FindWindowW");
    return find ? find(nullptr, win::Widen(title).c_str()) : nullptr;
}

// Why the shell found nothing to open the target with, in the user's words.
std::string OpenFailure(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
            return "The file does not exist";
        case ERROR_NO_ASSOCIATION:
            return "No application was found to open it";
        default:
            return std::strerror(win::ErrnoOf(error));
    }
}

class SystemDesktop : public Desktop {
  public:
    bool WindowExists(const std::string& title) override { return FindTopLevel(title) != nullptr; }
    bool BringWindowForward(const std::string& title) override {
        HWND window = FindTopLevel(title);
        if (!window) return false;
        User32<decltype(::SetForegroundWindow)>("SetForegroundWindow")(window);
        if (User32<decltype(::IsIconic)>("IsIconic")(window))
            User32<decltype(::ShowWindow)>("ShowWindow")(window, SW_SHOWNORMAL);
        return true;
    }
    bool Spawn(const std::vector<std::string>& argv, const std::string& workingFolder,
               std::string* error) override {
        return desktop::SpawnDetached(argv, workingFolder, error);
    }
    bool ShellOpen(const std::string& target, std::string* error) override {
        const std::wstring file = win::PathW(target);
        SHELLEXECUTEINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
        info.lpVerb = L"open";
        info.lpFile = file.c_str();
        info.nShow = SW_SHOWNORMAL;
        static const auto execute =
            win::SystemFunction<decltype(::ShellExecuteExW)>(L"shell32.dll", "ShellExecuteExW");
        if (execute && execute(&info)) return true;
        if (error) *error = OpenFailure(::GetLastError());
        return false;
    }
    void PlaySound(const std::string& path) override {
        // The system player copies nothing: an async sound plays from the file itself.
        if (path.empty() || !files::FileExists(path)) return;
        static const auto play =
            win::SystemFunction<decltype(::PlaySoundW)>(L"winmm.dll", "PlaySoundW");
        if (play) play(win::PathW(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
    }
};

}  // namespace

std::unique_ptr<Desktop> MakeSystemDesktop() {
    return std::make_unique<SystemDesktop>();
}

}  // namespace harbinet
