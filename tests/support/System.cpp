#include "support/System.h"

#include <filesystem>

#ifdef _WIN32
#include <cstdlib>

#include "platform/windows/WinApi.h"
#else
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <cstdlib>
#endif

namespace harbinet::test {

bool MakeReadOnly(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::permissions(fs::path(std::u8string(path.begin(), path.end())),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove, ec);
    return !ec;
}

bool RenameRespelling(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    const auto path = [](std::string utf8) {
        while (utf8.size() > 1 && utf8.back() == '/') utf8.pop_back();
        return fs::path(std::u8string(utf8.begin(), utf8.end()));
    };
    std::error_code ec;
    const fs::path between = path(to).concat(".respelt");
    fs::rename(path(from), between, ec);
    if (!ec) fs::rename(between, path(to), ec);
    return !ec;
}

#ifdef _WIN32

bool MakePipe(const std::string&) {
    return false;
}

bool MakeLink(const std::string&, const std::string&) {
    return false;
}

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
    // The runtime's copy and the system's (which children inherit) both change.
    ::_wputenv_s(win::Widen(name).c_str(), value ? win::Widen(*value).c_str() : L"");
}

std::optional<std::string> Environment(const char* name) {
    wchar_t buffer[32768];
    const DWORD n = ::GetEnvironmentVariableW(win::Widen(name).c_str(), buffer, 32768);
    if (n == 0 || n >= 32768) return std::nullopt;
    return win::Narrow({buffer, n});
}

std::string LauncherFileName(const std::string& name) {
    return name + ".lnk";
}

std::vector<std::string> ExitCommand(int status) {
    return {"cmd.exe", "/c", "exit " + std::to_string(status)};
}

std::vector<std::string> PrintFileCommand(const std::string& path, int status) {
    std::string file = path;
    for (char& c : file)
        if (c == '/') c = '\\';
    return {"cmd.exe", "/c", "type " + file + " & exit " + std::to_string(status)};
}

long EndedProcessId() {
    wchar_t line[] = L"cmd.exe /c exit";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(nullptr, line, nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                          nullptr, &startup, &process))
        return 0;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);  // the id is free again only from here on
    return static_cast<long>(process.dwProcessId);
}

long OwnProcessId() {
    return static_cast<long>(::GetCurrentProcessId());
}

#else

bool MakePipe(const std::string& path) {
    return ::mkfifo(path.c_str(), 0644) == 0;
}

bool MakeLink(const std::string& target, const std::string& link) {
    return ::symlink(target.c_str(), link.c_str()) == 0;
}

void SetEnvironment(const char* name, const std::optional<std::string>& value) {
    if (value)
        ::setenv(name, value->c_str(), 1);
    else
        ::unsetenv(name);
}

std::optional<std::string> Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::optional<std::string>(value) : std::nullopt;
}

std::string LauncherFileName(const std::string& name) {
    return name + ".desktop";
}

std::vector<std::string> ExitCommand(int status) {
    return {"/bin/sh", "-c", "exit " + std::to_string(status)};
}

std::vector<std::string> PrintFileCommand(const std::string& path, int status) {
    return {"/bin/sh", "-c", "cat \"$1\"; exit " + std::to_string(status), "sh", path};
}

long EndedProcessId() {
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(0);
    ::waitpid(pid, nullptr, 0);
    return static_cast<long>(pid);
}

long OwnProcessId() {
    return static_cast<long>(::getpid());
}

#endif

}  // namespace harbinet::test
