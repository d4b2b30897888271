#include "shell/DesktopShortcut.h"

#include <cerrno>
#include <filesystem>
#include <vector>

#include "platform/Files.h"
#include "platform/UserFolders.h"

namespace harbinet {

namespace {

constexpr std::string_view kExtension = ".desktop";

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCopy(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = Lower(c);
    return out;
}

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

// A command line's arguments: blanks separate them outside double quotes; \" is a quote.
std::vector<std::string> SplitArguments(std::string_view line) {
    std::vector<std::string> args;
    std::string current;
    bool inArg = false, quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size() && line[i + 1] == '"') {
            current += '"';
            inArg = true;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
            inArg = true;
        } else if (!quoted && (c == ' ' || c == '\t')) {
            if (inArg) args.push_back(std::move(current));
            current.clear();
            inArg = false;
        } else {
            current += c;
            inArg = true;
        }
    }
    if (inArg) args.push_back(std::move(current));
    return args;
}

std::string DisplayName(const std::string& name) {
    const std::string lower = LowerCopy(name);
    if (lower.size() > kExtension.size() &&
        lower.compare(lower.size() - kExtension.size(), kExtension.size(), kExtension) == 0)
        return name.substr(0, name.size() - kExtension.size());
    return name;
}

int LastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

std::string DesktopEntryText(const std::string& target, const std::string& arguments,
                             const std::string& name, const std::string& workingFolder,
                             const std::string& icon) {
    std::string exec = QuoteArgument(target);
    for (const auto& arg : SplitArguments(arguments)) exec += " " + QuoteArgument(arg);
    std::string text = "[Desktop Entry]\n";
    text += "Type=Application\n";
    text += "Version=1.0\n";
    text += "Name=" + EscapeValue(DisplayName(name)) + "\n";
    text += "Exec=" + EscapeValue(exec) + "\n";
    text += "Path=" + EscapeValue(workingFolder) + "\n";
    text += "Icon=" + EscapeValue(icon) + "\n";
    text += "Terminal=false\n";
    return text;
}

int CreateDesktopShortcut(FrameState& state, const std::string& target,
                          const std::string& arguments, const std::string& name,
                          const std::string& workingFolder, bool makeFolder) {
    namespace fs = std::filesystem;
    const std::string desktop = files::DesktopFolder();
    std::error_code ec;
    fs::create_directories(desktop, ec);
    if (ec && !files::FolderExists(desktop)) return ec.value();

    std::string path = desktop + name;
    if (makeFolder) {
        // As a folder creation, an existing entry of that name is a failure.
        if (fs::exists(fs::symlink_status(path, ec))) return EEXIST;
        errno = 0;
        return files::CreateFolder(path) ? 0 : LastError();
    }

    // Only the name is looked at: a desktop folder with ".desktop" in its path is no reason to
    // leave the entry without its ending.
    if (LowerCopy(name).find(kExtension) == std::string::npos) path += kExtension;

    const std::string text =
        DesktopEntryText(target, arguments, name, workingFolder, state.OwnFolder + "harbinet.png");
    errno = 0;
    if (!files::WriteFileAtomic(path, text)) return LastError();
    fs::permissions(path,
                    fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                        fs::perms::others_read | fs::perms::others_exec,
                    fs::perm_options::replace, ec);
    return ec ? ec.value() : 0;
}

}  // namespace harbinet
