#include "launch/GameLauncher.h"

#include <fstream>

#include "platform/DesktopIntegration.h"
#include "platform/Files.h"

namespace harbinet {

bool IsWindowsExecutable(const std::string& path) {
    // Only a regular file is opened: a pipe would block.
    if (!files::FileExists(path)) return false;
    std::ifstream in(path, std::ios::binary);
    char magic[2] = {};
    return in.read(magic, 2) && magic[0] == 'M' && magic[1] == 'Z';
}

std::vector<std::string> LaunchArguments(const ProgramState& state, const std::string& executable,
                                         const std::string* commandLine) {
    if (IsWindowsExecutable(executable)) {
        std::string runner = state.Settings().GetText(settings::Key::Runner);
        if (runner.empty()) runner = desktop::DefaultWindowsRunner();
        if (!runner.empty()) return {runner, executable};
    }
    // A Windows command line begins with the program's own name, which here is argv[0]: the
    // callers' command line (the path itself, or none) is exactly that.
    (void)commandLine;
    return {executable};
}

bool StartProcess(ProgramState& state, const std::string& executable,
                  const std::string* commandLine, const std::string& workingFolder) {
    std::string error;
    const bool started =
        state.desktop.Spawn(LaunchArguments(state, executable, commandLine), workingFolder, &error);
    if (!started) state.host.ShowError(Format(text::kUnableToLaunch, executable.c_str()));
    return started;
}

void LaunchGame(ProgramState& state) {
    if (state.desktop.BringWindowForward(text::kGameWindowTitle)) return;
    const std::string path = files::ResolveName(state.GameFolder, settings::kGameExe);
    StartProcess(state, path, &path, state.GameFolder);
}

}  // namespace harbinet
