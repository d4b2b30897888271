#include "install/DesktopShortcut.h"

#include <cerrno>
#include <filesystem>

#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"

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

int CreateDesktopShortcut(const Folders& folders) {
    namespace fs = std::filesystem;
    const std::string desktop = files::DesktopFolder();
    std::error_code ec;
    fs::create_directories(desktop, ec);
    if (ec && !files::FolderExists(desktop)) return ec.value();
    // What a write of an entry cut short by a kill left there.
    files::RemoveStaleTemporaryFiles(desktop);

    // An entry of this name that starts another folder is that folder's: a second folder gets
    // an entry of its own, "Harbinet 2.2b (2)" and so on.
    const std::string ownPath = "\nPath=" + EscapeValue(folders.OwnFolder) + "\n";
    std::string name, path;
    for (int n = 1; n < 100 && path.empty(); ++n) {
        name = std::string(text::kProgramVersionTitle) +
               (n == 1 ? "" : " (" + std::to_string(n) + ")");
        const std::string candidate = desktop + name + ".desktop";
        std::string existing;
        if (files::Stamp(candidate).type == files::FileStamp::Type::Missing ||
            (files::ReadWholeFile(candidate, existing, 64 * 1024) &&
             existing.find(ownPath) != std::string::npos))
            path = candidate;
    }
    if (path.empty()) return EEXIST;
    const std::string text = DesktopEntryText(folders.StartCommand(), name, folders.OwnFolder,
                                              folders.OwnFolder + "harbinet.png");
    errno = 0;
    if (!files::WriteFileAtomic(path, text)) return LastError();
    fs::permissions(path,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace, ec);
    return ec ? ec.value() : 0;
}

}  // namespace harbinet
