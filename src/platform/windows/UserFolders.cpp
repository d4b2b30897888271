// The user's folders on Windows: the known folders of the shell, or, when USERPROFILE names
// another profile folder (a test's, a portable setup's), the folders of that name inside it.
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
    PWSTR path = nullptr;
    std::string folder;
    if (SUCCEEDED(::SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path)))
        folder = WithSlash(win::PathFromW(path));
    ::CoTaskMemFree(path);
    return folder;
}

std::string ProfileFromEnvironment() {
    wchar_t profile[MAX_PATH * 4];
    const DWORD n = ::GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH * 4);
    return n > 0 && n < MAX_PATH * 4 ? WithSlash(win::PathFromW({profile, n})) : std::string();
}

// The known folder id, unless USERPROFILE names another profile than the shell's: then its
// subfolder of that name.
std::string UserFolder(REFKNOWNFOLDERID id, const char* subfolder) {
    const std::string profile = ProfileFromEnvironment();
    const std::string known = KnownFolder(FOLDERID_Profile);
    if (!profile.empty() && (known.empty() || RealPath(profile) != RealPath(known)))
        return profile + subfolder + "/";
    std::string folder = KnownFolder(id);
    return folder.empty() ? HomeFolder() + subfolder + "/" : folder;
}

}  // namespace

std::string HomeFolder() {
    if (std::string profile = ProfileFromEnvironment(); !profile.empty()) return profile;
    if (std::string known = KnownFolder(FOLDERID_Profile); !known.empty()) return known;
    return "C:/";
}

std::string ConfigFolder() {
    return UserFolder(FOLDERID_RoamingAppData, "AppData/Roaming");
}

std::string DesktopFolder() {
    return UserFolder(FOLDERID_Desktop, "Desktop");
}

std::string DownloadFolder() {
    return UserFolder(FOLDERID_Downloads, "Downloads");
}

}  // namespace harbinet::files
