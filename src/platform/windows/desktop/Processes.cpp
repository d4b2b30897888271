// Starting programs on Windows with CreateProcessW. A process that is not waited for leaves
// nothing behind once its handles are closed, so there is no watcher process: the handle is
// the watcher.
#include "platform/desktop/Processes.h"

#include "platform/windows/WinApi.h"

#include <cerrno>
#include <cstring>

#include "platform/Executables.h"
#include "platform/Files.h"

namespace harbinet::desktop {

namespace {

std::wstring CommandLineOf(const std::vector<std::string>& argv) {
    std::wstring line;
    for (const std::string& arg : argv)
        line += (line.empty() ? L"" : L" ") + win::QuoteArgument(win::Widen(arg));
    return line;
}

std::string Reason(DWORD error) {
    return std::strerror(win::ErrnoOf(error));
}

// Starts argv; the process handle, or null with the reason. inherit keeps standard input,
// output and error (a replaced process), else the program gets none of ours.
HANDLE Start(const std::vector<std::string>& argv, const std::string& workingFolder, bool inherit,
             std::string* error) {
    if (argv.empty()) {
        if (error) *error = "no program";
        return nullptr;
    }
    const std::string program = FindProgram(argv[0]);
    if (program.empty()) {
        if (error) *error = Reason(ERROR_FILE_NOT_FOUND);
        SetLastError(ERROR_FILE_NOT_FOUND);
        return nullptr;
    }
    std::wstring line = CommandLineOf(argv);
    const std::wstring application = win::PathW(program);
    const std::wstring folder = workingFolder.empty() ? std::wstring() : win::PathW(workingFolder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (inherit) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = ::GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = ::GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(application.c_str(), line.data(), nullptr, nullptr,
                          inherit ? TRUE : FALSE,
                          CREATE_UNICODE_ENVIRONMENT | (inherit ? 0 : CREATE_NEW_PROCESS_GROUP),
                          nullptr, folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        const DWORD failure = ::GetLastError();
        if (error) *error = Reason(failure);
        SetLastError(failure);
        return nullptr;
    }
    ::CloseHandle(process.hThread);
    return process.hProcess;
}

}  // namespace

std::string FindProgram(const std::string& argv0) {
    if (argv0.empty()) return {};
    auto withExtension = [](const std::string& path) -> std::string {
        if (files::IsExecutableFile(path)) return path;
        if (files::IsExecutableFile(path + ".exe")) return path + ".exe";
        return {};
    };
    if (argv0.find_first_of("/\\:") != std::string::npos) {
        const std::string resolved = files::ResolvedPath(argv0);
        return withExtension(resolved.empty() ? argv0 : resolved);
    }
    wchar_t found[MAX_PATH];
    const std::wstring name = win::Widen(argv0);
    if (::SearchPathW(nullptr, name.c_str(), L".exe", MAX_PATH, found, nullptr) == 0) return {};
    return withExtension(win::PathFromW(found));
}

bool SpawnDetached(const std::vector<std::string>& argv, const std::string& workingFolder,
                   std::string* error) {
    HANDLE process = Start(argv, workingFolder, false, error);
    if (!process) return false;
    ::CloseHandle(process);
    return true;
}

int ReplaceProcess(const std::vector<std::string>& argv) {
    // Windows cannot run a program in place of this process: it runs it with our standard
    // handles, waits, and ends with its exit code.
    HANDLE process = Start(argv, std::string(), true, nullptr);
    if (!process) return win::ErrnoOf(::GetLastError());
    ::WaitForSingleObject(process, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(process, &code);
    ::CloseHandle(process);
    std::fflush(stdout);
    std::fflush(stderr);
    ::ExitProcess(code);
}

bool SpawnWatched(const std::vector<std::string>& argv, const std::string& workingFolder,
                  std::chrono::milliseconds wait, ProgramEnd* end, std::string* error) {
    HANDLE process = Start(argv, workingFolder, false, error);
    if (!process) return false;
    const DWORD waited = ::WaitForSingleObject(process, static_cast<DWORD>(wait.count()));
    if (end) {
        end->running = waited != WAIT_OBJECT_0;
        DWORD code = 0;
        if (!end->running && ::GetExitCodeProcess(process, &code))
            end->status = static_cast<int>(code);
    }
    ::CloseHandle(process);
    return true;
}

}  // namespace harbinet::desktop
