// Runs a program as a script would and collects its exit status and output.
#pragma once

#ifdef _WIN32
#include "platform/windows/WinApi.h"
#else
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace harbinet::test {

struct ProgramResult {
    int status = -1;  // exit status, -1 when it did not start or did not exit normally
    std::string out;  // standard output
    std::string err;  // standard error
};

#ifdef _WIN32

inline HANDLE OutputFile(const std::string& path) {
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateFileW(win::Widen(path).c_str(), GENERIC_WRITE,
                         FILE_SHARE_READ | FILE_SHARE_WRITE, &inherited, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
}

inline ProgramResult RunProgram(const std::string& program, std::vector<std::string> args) {
    TempDir scratch;
    const std::string out = scratch / "stdout", err = scratch / "stderr";
    std::wstring line = win::QuoteArgument(win::Widen(program));
    for (const std::string& a : args) line += L" " + win::QuoteArgument(win::Widen(a));
    ProgramResult r;
    {
        HANDLE outFile = OutputFile(out), errFile = OutputFile(err);
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nullptr;
        startup.hStdOutput = outFile;
        startup.hStdError = errFile;
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                             nullptr, nullptr, &startup, &process)) {
            ::WaitForSingleObject(process.hProcess, INFINITE);
            DWORD code = 0;
            ::GetExitCodeProcess(process.hProcess, &code);
            r.status = static_cast<int>(code);
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
        } else {
            r.err = "CreateProcessW failed: error " + std::to_string(::GetLastError()) + "\n";
        }
        ::CloseHandle(outFile);
        ::CloseHandle(errFile);
    }
    r.out = ReadFile(out);
    r.err += ReadFile(err);
    return r;
}

#else

// Starts the program without a shell, so the arguments reach it exactly as given; its process
// id, or -1 when it did not start.
inline pid_t StartProgram(const std::string& program, std::vector<std::string> args,
                          const posix_spawn_file_actions_t* actions = nullptr) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    return posix_spawn(&pid, program.c_str(), actions, nullptr, argv.data(), environ) == 0 ? pid
                                                                                           : -1;
}

inline ProgramResult RunProgram(const std::string& program, std::vector<std::string> args) {
    TempDir scratch;
    const std::string out = scratch / "stdout", err = scratch / "stderr";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ProgramResult r;
    if (const pid_t pid = StartProgram(program, std::move(args), &actions); pid > 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

#endif

}  // namespace harbinet::test
