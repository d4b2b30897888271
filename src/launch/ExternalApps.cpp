#include "launch/ExternalApps.h"

#include <algorithm>

#include "launch/GameLauncher.h"
#include "model/Strings.h"
#include "platform/Executables.h"
#include "platform/Files.h"

namespace harbinet {

std::string ResolveAppPath(const ProgramState& state, const std::string& value) {
    if (value.starts_with("../")) return state.GameFolder + value.substr(3);
    if (value.starts_with("..\\")) {
        // Written on Windows: its folder separators must become ours to name a file here.
        std::string rest = value.substr(3);
        std::replace(rest.begin(), rest.end(), '\\', '/');
        return state.GameFolder + rest;
    }
    if (files::IsAbsolutePath(value)) return value;
    if (value.size() >= 3 && value.compare(1, 2, ":\\") == 0) return value;
    return state.OwnFolder + value;
}

Result LaunchExternalApp(ProgramState& state, unsigned slot) {
    if (slot < 1 || slot > settings::kMaxExternalApps ||
        state.settings.AppDescription(slot).empty())
        return Result::Failure(Format(text::kAppSlotEmpty, slot));
    const std::string path = ResolveAppPath(state, state.settings.AppExecutable(slot));
    // What the file is decides, not its name: a Windows program goes through the runner, a
    // program of this system runs itself, anything else is a document.
    if (IsWindowsExecutable(path) || files::IsExecutableFile(path))
        return StartProcess(state, path, files::FolderOf(path, "/\\"));
    if (std::string error; !state.desktop.ShellOpen(path, &error))
        return Result::Failure(text::UnableToOpen(path, error), path);
    return {};
}

}  // namespace harbinet
