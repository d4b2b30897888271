// The desktop integration of Windows: the value "Harbinet" of the Run key of the machine, a
// shell link on the user's desktop, the program's own folder as its data folder, no runner for
// Windows programs and no display to choose.
#include "platform/DesktopIntegration.h"

#include "platform/windows/WinApi.h"
// After windows.h.
#include <objbase.h>
#include <shlobj.h>
#include <shobjidl.h>

#include <cerrno>

#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/UserFolders.h"

namespace harbinet::desktop {

namespace {

constexpr const wchar_t* kRunKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

// The program quoted (always, as the Run key wants it) and its arguments.
std::wstring CommandLine(const std::vector<std::string>& command) {
    std::wstring line;
    for (std::size_t i = 0; i < command.size(); ++i) {
        std::wstring arg = win::Widen(command[i]);
        if (i == 0) {
            for (wchar_t& c : arg)
                if (c == L'/') c = L'\\';
            line = L"\"" + arg + L"\"";
        } else {
            line += L" " + win::QuoteArgument(arg);
        }
    }
    return line;
}

std::wstring Backslashed(const std::string& path) {
    std::wstring w = win::Widen(path);
    for (wchar_t& c : w)
        if (c == L'/') c = L'\\';
    return w;
}

// COM's functions, from ole32 once a link is made or read.
template <class Function>
Function* Ole32(const char* name) {
    return win::SystemFunction<Function>(L"ole32.dll", name);
}

HRESULT CreateShellLink(IShellLinkW** link) {
    static const auto create = Ole32<decltype(::CoCreateInstance)>("CoCreateInstance");
    return create ? create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                           reinterpret_cast<void**>(link))
                  : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
}

// COM for this thread while it lives; the toolkit's own initialisation is kept.
class ComScope {
  public:
    ComScope() {
        static const auto initialize = Ole32<decltype(::CoInitializeEx)>("CoInitializeEx");
        result_ = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED)
                             : HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    }
    ~ComScope() {
        if (SUCCEEDED(result_)) Ole32<decltype(::CoUninitialize)>("CoUninitialize")();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
    bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

  private:
    HRESULT result_;
};

template <typename T>
class ComPtr {
  public:
    ComPtr() = default;
    ~ComPtr() {
        if (p_) p_->Release();
    }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    T* operator->() const { return p_; }
    T** Out() { return &p_; }
    void** OutVoid() { return reinterpret_cast<void**>(&p_); }

  private:
    T* p_ = nullptr;
};

int ErrnoOfResult(HRESULT result) {
    if (HRESULT_FACILITY(result) == FACILITY_WIN32)
        return win::ErrnoOf(static_cast<DWORD>(HRESULT_CODE(result)));
    return EIO;
}

// The working folder the link at path starts in; empty when it is no link that can be read.
std::string LinkWorkingFolder(const std::wstring& path) {
    ComPtr<IShellLinkW> link;
    if (FAILED(CreateShellLink(link.Out()))) return {};
    ComPtr<IPersistFile> file;
    if (FAILED(link->QueryInterface(IID_IPersistFile, file.OutVoid())) ||
        FAILED(file->Load(path.c_str(), STGM_READ)))
        return {};
    wchar_t folder[MAX_PATH] = {};
    if (FAILED(link->GetWorkingDirectory(folder, MAX_PATH))) return {};
    return win::PathFromW(folder);
}

bool SameFolder(std::string a, std::string b) {
    for (std::string* s : {&a, &b})
        while (!s->empty() && s->back() == '/') s->pop_back();
    return EqualIgnoringCase(a, b);
}

}  // namespace

std::string StartWithDesktopPlace() {
    return "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
}

std::optional<StartFailure> SetStartWithDesktop(const Launcher& launcher, bool start) {
    // The user is told which registry call failed and its code, as Windows programs tell it.
    const auto failure = [](const char* function, LONG code) {
        return StartFailure{win::ErrnoOf(static_cast<DWORD>(code)), function,
                            static_cast<unsigned long>(code)};
    };
    HKEY key = nullptr;
    LONG result = ::RegCreateKeyExW(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr,
                                    &key, nullptr);
    if (result != ERROR_SUCCESS) return failure("RegCreateKeyEx", result);
    const std::wstring name = win::Widen(launcher.name);
    if (start) {
        const std::wstring data = CommandLine(launcher.command);
        // The stored length counts the terminating zero.
        result = ::RegSetValueExW(key, name.c_str(), 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(data.c_str()),
                                  static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    } else {
        result = ::RegDeleteValueW(key, name.c_str());
        if (result == ERROR_FILE_NOT_FOUND) result = ERROR_SUCCESS;
    }
    // Setting and removing the value are one step to the user, told as RegSetValueEx.
    const LONG closed = ::RegCloseKey(key);
    if (result != ERROR_SUCCESS) return failure("RegSetValueEx", result);
    if (closed != ERROR_SUCCESS) return failure("RegCloseKey", closed);
    return std::nullopt;
}

int PutOnDesktop(const Launcher& launcher) {
    const std::string desktop = files::DesktopFolder();
    if (!files::CreateFolders(desktop)) return errno != 0 ? errno : EIO;
    ComScope com;
    if (!com.Usable()) return EIO;

    // A link of this name that starts another folder is that folder's: a second folder gets a
    // link of its own, "NAME (2)" and so on.
    std::wstring path;
    for (int n = 1; n < 100 && path.empty(); ++n) {
        const std::string name = launcher.name + (n == 1 ? "" : " (" + std::to_string(n) + ")");
        const std::string candidate = desktop + name + ".lnk";
        const std::wstring wide = win::PathW(candidate);
        if (files::Stamp(candidate).type == files::FileStamp::Type::Missing ||
            SameFolder(LinkWorkingFolder(wide), launcher.workingFolder))
            path = wide;
    }
    if (path.empty()) return EEXIST;

    ComPtr<IShellLinkW> link;
    HRESULT result = CreateShellLink(link.Out());
    if (FAILED(result)) return ErrnoOfResult(result);
    std::wstring line = CommandLine(launcher.command);
    line.erase(0, std::min(line.size(), CommandLine({launcher.command.front()}).size() + 1));
    link->SetPath(Backslashed(launcher.command.front()).c_str());
    link->SetArguments(line.c_str());
    link->SetWorkingDirectory(Backslashed(launcher.workingFolder).c_str());
    ComPtr<IPersistFile> file;
    result = link->QueryInterface(IID_IPersistFile, file.OutVoid());
    if (FAILED(result)) return ErrnoOfResult(result);
    result = file->Save(path.c_str(), TRUE);
    return FAILED(result) ? ErrnoOfResult(result) : 0;
}

std::string DefaultWindowsRunner() {
    return {};
}

// Windows has one tray, the taskbar's notification area.
TrayChoice ChosenTray() {
    return TrayChoice::Either;
}

void PreferX11Display() {}

std::optional<std::string> DisplayName() {
    return std::nullopt;
}

void* ToolkitFunction(const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(nullptr), name));
}

}  // namespace harbinet::desktop
