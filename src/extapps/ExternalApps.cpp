#include "extapps/ExternalApps.h"

#include <algorithm>
#include <cctype>

#include "shell/Commands.h"
#include "shell/GameLauncher.h"

namespace harbinet {

std::string ResolveAppPath(const FrameState& state, const std::string& value) {
    if (value.starts_with("../")) return state.GameFolder + value.substr(3);
    if (value.starts_with("..\\")) {
        // Written on Windows: its folder separators must become ours to name a file here.
        std::string rest = value.substr(3);
        std::replace(rest.begin(), rest.end(), '\\', '/');
        return state.GameFolder + rest;
    }
    if (value.starts_with("/")) return value;
    if (value.size() >= 3 && value.compare(1, 2, ":\\") == 0) return value;
    return state.OwnFolder + value;
}

std::string FolderOfPath(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ExtensionOfPath(const std::string& path) {
    const std::string name = path.substr(FolderOfPath(path).size());
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot);
}

void LaunchExternalApp(FrameState& state, int command) {
    if (command < cmd::kFirstExternalApp || command > cmd::kLastExternalApp) return;
    const auto slot = static_cast<unsigned>(command - (cmd::kFirstExternalApp - 1));
    const std::string value =
        state.Settings().GetText(settings::kExternal, settings::AppExeKey(slot), 256);
    const std::string path = ResolveAppPath(state, value);

    std::string extension = ExtensionOfPath(path);
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension == ".exe")
        StartProcess(state, path, nullptr, FolderOfPath(path));
    else
        state.Desk.ShellOpen(path);
}

}  // namespace harbinet
