#include "platform/UserFolders.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/Files.h"
#include "platform/linux/Freedesktop.h"

namespace harbinet::files {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

std::string_view TrimLeft(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    return s;
}

// The value of one XDG_<name>_DIR="..." line as a shell would see it; empty when the line is
// another one or its value is neither absolute nor under $HOME.
std::string UserDirLineValue(std::string_view line, std::string_view name,
                             const std::string& home) {
    line = TrimLeft(line);
    if (line.rfind("export ", 0) == 0) line = TrimLeft(line.substr(7));
    const std::string key = "XDG_" + std::string(name) + "_DIR";
    if (line.rfind(key, 0) != 0) return {};
    line = TrimLeft(line.substr(key.size()));
    if (line.empty() || line.front() != '=') return {};
    line = TrimLeft(line.substr(1));

    std::string value;
    bool quoted = !line.empty() && line.front() == '"';
    if (quoted) line.remove_prefix(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"') break;
        if (!quoted && (c == ' ' || c == '\t' || c == '#' || c == '\r')) break;
        if (c == '\\' && i + 1 < line.size()) {
            value += line[++i];
        } else if (c == '$') {
            std::string_view rest = line.substr(i);
            if (rest.rfind("${HOME}", 0) == 0) {
                value += home.substr(0, home.size() - 1);
                i += 6;
            } else if (rest.rfind("$HOME", 0) == 0) {
                value += home.substr(0, home.size() - 1);
                i += 4;
            } else {
                value += c;
            }
        } else {
            value += c;
        }
    }
    if (value.empty() || value.front() != '/') return {};
    return value;
}

}  // namespace

std::string HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home) return WithSlash(home);
    if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir && *pw->pw_dir)
        return WithSlash(pw->pw_dir);
    return "/";
}

std::string UserDirFromUserDirs(std::string_view text, std::string_view name,
                                const std::string& home) {
    std::string folder;
    // Later assignments win, as when the file is sourced.
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        if (std::string value = UserDirLineValue(line, name, home); !value.empty()) folder = value;
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return folder.empty() ? folder : WithSlash(folder);
}

std::string ConfigFolder() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    return (config && *config == '/') ? WithSlash(config) : HomeFolder() + ".config/";
}

namespace {

// The user's folder of that name (DESKTOP, DOWNLOAD), as xdg-user-dir reads it; else fallback.
std::string UserDir(std::string_view name, const std::string& fallback) {
    std::string text;
    if (ReadWholeFile(ConfigFolder() + "user-dirs.dirs", text)) {
        if (std::string folder = UserDirFromUserDirs(text, name, HomeFolder()); !folder.empty())
            return folder;
    }
    return fallback;
}

}  // namespace

std::string DesktopFolder() {
    return UserDir("DESKTOP", HomeFolder() + "Desktop/");
}

std::string DownloadFolder() {
    return UserDir("DOWNLOAD", HomeFolder() + "Downloads/");
}

}  // namespace harbinet::files
