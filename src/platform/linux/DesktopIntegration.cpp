// The desktop integration of a freedesktop.org desktop: desktop entries in the autostart folder
// and on the desktop, the "share" folder of an install for all users, Wine, and X11 through GDK.
#include "platform/DesktopIntegration.h"

#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "platform/Files.h"
#include "platform/UserFolders.h"
#include "platform/linux/Freedesktop.h"

namespace harbinet {

namespace {

// The escapes of a desktop entry's string values; a leading blank would otherwise be dropped.
std::string EscapeValue(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\r':
                out += "\\r";
                break;
            case ' ':
                out += i == 0 ? "\\s" : " ";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// One argument of Exec, always quoted: inside the quotes ", `, $ and \ take a backslash, and a
// literal % is doubled so that it is not read as a field code.
std::string QuoteArgument(std::string_view arg) {
    std::string out = "\"";
    for (char c : arg) {
        if (c == '"' || c == '`' || c == '$' || c == '\\') out += '\\';
        if (c == '%') out += '%';
        out += c;
    }
    return out + "\"";
}

int LastError() {
    return errno != 0 ? errno : EIO;
}

// Writes the launcher's entry to path (atomically), making its folder when missing; an
// executable entry gets the mode of a program. 0 on success, else an errno value.
int WriteDesktopEntry(const std::string& path, const desktop::Launcher& launcher, bool executable) {
    if (!files::CreateFolders(files::FolderOf(path))) return LastError();
    errno = 0;
    if (!files::WriteFileAtomic(path, DesktopEntryText(launcher.command, launcher.name,
                                                       launcher.workingFolder, launcher.icon)))
        return LastError();
    if (executable && ::chmod(path.c_str(), 0755) != 0) return LastError();
    return 0;
}

}  // namespace

std::string DesktopEntryText(const std::vector<std::string>& command, const std::string& name,
                             const std::string& workingFolder, const std::string& icon) {
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    text += "Name=" + EscapeValue(name) + "\n";
    std::string exec;
    for (const std::string& arg : command) exec += (exec.empty() ? "" : " ") + QuoteArgument(arg);
    text += "Exec=" + EscapeValue(exec) + "\n";
    text += "Path=" + EscapeValue(workingFolder) + "\n";
    text += "Icon=" + EscapeValue(icon) + "\n";
    text += "Terminal=false\n";
    return text;
}

namespace desktop {

std::string StartWithDesktopPlace() {
    return files::ConfigFolder() + "autostart/harbinet.desktop";
}

std::optional<StartFailure> SetStartWithDesktop(const Launcher& launcher, bool start) {
    const std::string path = StartWithDesktopPlace();
    int error = 0;
    if (start)
        error = WriteDesktopEntry(path, launcher, false);
    else if (::unlink(path.c_str()) != 0 && errno != ENOENT)
        error = errno;
    if (error == 0) return std::nullopt;
    return StartFailure{error};
}

int PutOnDesktop(const Launcher& launcher) {
    const std::string desktop = files::DesktopFolder();
    if (!files::CreateFolders(desktop)) return LastError();
    // What a write of an entry cut short by a kill left there.
    files::RemoveStaleTemporaryFiles(desktop);

    // An entry of this name that starts another folder is that folder's: a second folder gets
    // an entry of its own, "NAME (2)" and so on.
    const std::string ownPath = "\nPath=" + EscapeValue(launcher.workingFolder) + "\n";
    Launcher named = launcher;
    std::string path;
    for (int n = 1; n < 100 && path.empty(); ++n) {
        named.name = launcher.name + (n == 1 ? "" : " (" + std::to_string(n) + ")");
        const std::string candidate = desktop + named.name + ".desktop";
        std::string existing;
        if (files::Stamp(candidate).type == files::FileStamp::Type::Missing ||
            (files::ReadWholeFile(candidate, existing, 64 * 1024) &&
             existing.find(ownPath) != std::string::npos))
            path = candidate;
    }
    if (path.empty()) return EEXIST;
    return WriteDesktopEntry(path, named, true);
}

std::string DefaultWindowsRunner() {
    return "wine";
}

TrayChoice ChosenTray() {
    const char* chosen = std::getenv("HARBINET_TRAY");
    const std::string value = chosen ? chosen : "";
    if (value == "sni") return TrayChoice::StatusNotifier;
    if (value == "xembed") return TrayChoice::XEmbed;
    return TrayChoice::Either;
}

void PreferX11Display() {
    ::setenv("GDK_BACKEND", "x11", 0);
}

std::optional<std::string> DisplayName() {
    const char* display = std::getenv("DISPLAY");
    return display ? std::optional<std::string>(display) : std::nullopt;
}

void* ToolkitFunction(const char* name) {
    return ::dlsym(RTLD_DEFAULT, name);
}

}  // namespace desktop

}  // namespace harbinet
