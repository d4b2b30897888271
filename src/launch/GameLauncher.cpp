#include "launch/GameLauncher.h"

#include "platform/DesktopIntegration.h"
#include "platform/Files.h"

namespace harbinet {

bool IsWindowsExecutable(const std::string& path) {
    // Only a regular file is opened: a pipe would block.
    if (!files::FileExists(path)) return false;
    char magic[2] = {};
    return files::ReadFileParts(path, {{0, magic, sizeof magic}}) == 0 && magic[0] == 'M' &&
           magic[1] == 'Z';
}

std::vector<std::string> LaunchArguments(const ProgramState& state, const std::string& executable) {
    if (IsWindowsExecutable(executable)) {
        std::string runner = state.settings.Get(settings::kRunner);
        if (runner.empty()) runner = desktop::DefaultWindowsRunner();
        if (!runner.empty()) return {runner, executable};
    }
    return {executable};
}

Result StartProcess(ProgramState& state, const std::string& executable,
                    const std::string& workingFolder) {
    std::string error;
    if (state.desktop.Spawn(LaunchArguments(state, executable), workingFolder, &error)) return {};
    return Result::Failure(Format(text::kUnableToLaunch, executable.c_str()), executable);
}

Result LaunchGame(ProgramState& state) {
    if (state.desktop.BringWindowForward(text::kGameWindowTitle)) return {};
    return StartProcess(state, files::ResolveName(state.GameFolder, settings::kGameExe),
                        state.GameFolder);
}

}  // namespace harbinet
