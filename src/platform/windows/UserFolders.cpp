// The user's folders on Windows: the desktop and downloads in the profile USERPROFILE names,
// the settings in APPDATA; the shell's known folders where these are not set.
#include "platform/UserFolders.h"

#include "platform/windows/WinApi.h"
// After windows.h.
#include <shlobj.h>

#include <cstdlib>

#include "platform/Files.h"

namespace harbinet::files {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string KnownFolder(REFKNOWNFOLDERID id) {
    // Only where the environment does not tell: shell32 is not loaded for nothing.
    static const auto known = win::SystemFunction<decltype(::SHGetKnownFolderPath)>(
        L"shell32.dll", "SHGetKnownFolderPath");
    if (!known) return {};
    PWSTR path = nullptr;  // freed whether the call succeeds or not
    const HRESULT result = known(id, KF_FLAG_DEFAULT, nullptr, &path);
    const std::string folder = SUCCEEDED(result) ? WithSlash(win::PathFromW(path)) : "";
    win::SystemFunction<decltype(::CoTaskMemFree)>(L"ole32.dll", "CoTaskMemFree")(path);
    return folder;
}

// A folder named by an environment variable, ending in "/"; empty when it is not set.
std::string FolderFromEnvironment(const wchar_t* name) {
    wchar_t folder[MAX_PATH * 4];
    const DWORD n = ::GetEnvironmentVariableW(name, folder, MAX_PATH * 4);
    return n > 0 && n < MAX_PATH * 4 ? WithSlash(win::PathFromW({folder, n})) : std::string();
}

// The subfolder of the profile USERPROFILE names, as the desktop link has always been found;
// the shell's known folder where it is not set.
std::string ProfileFolder(REFKNOWNFOLDERID id, const char* subfolder) {
    if (std::string profile = FolderFromEnvironment(L"USERPROFILE"); !profile.empty())
        return profile + subfolder + "/";
    std::string folder = KnownFolder(id);
    return folder.empty() ? HomeFolder() + subfolder + "/" : folder;
}

}  // namespace

std::string HomeFolder() {
    if (std::string profile = FolderFromEnvironment(L"USERPROFILE"); !profile.empty())
        return profile;
    if (std::string known = KnownFolder(FOLDERID_Profile); !known.empty()) return known;
    return "C:/";
}

std::string ConfigFolder() {
    if (std::string appData = FolderFromEnvironment(L"APPDATA"); !appData.empty()) return appData;
    std::string known = KnownFolder(FOLDERID_RoamingAppData);
    return known.empty() ? HomeFolder() + "AppData/Roaming/" : known;
}

std::string DesktopFolder() {
    return ProfileFolder(FOLDERID_Desktop, "Desktop");
}

std::string DownloadFolder() {
    return ProfileFolder(FOLDERID_Downloads, "Downloads");
}

}  // namespace harbinet::files
