#include "install/ServedFolder.h"

#include <cerrno>
#include <cstring>

#include "model/Settings.h"
#include "model/Strings.h"
#include "platform/Files.h"
#include "platform/UserFolders.h"

namespace harbinet {

namespace {

std::string WithSlash(std::string folder) {
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder;
}

}  // namespace

std::string RememberedFolderFile() {
    return files::ConfigFolder() + "harbinet/folder";
}

std::string RememberedFolder() {
    std::string text;
    if (!files::ReadWholeFile(RememberedFolderFile(), text, 64 * 1024)) return {};
    if (!text.empty() && text.back() == '\n') text.pop_back();
    if (text.empty() || text.find('\n') != std::string::npos) return {};
    text = WithSlash(text);
    return files::FolderExists(text) ? text : std::string();
}

bool RememberFolder(const std::string& folder) {
    if (folder.find('\n') != std::string::npos) return false;
    const std::string file = RememberedFolderFile();
    files::CreateFolders(files::FolderOf(file));
    return files::WriteFileAtomic(file, WithSlash(folder) + "\n");
}

std::string ServedFolderFor(const std::string& programPath,
                            const std::optional<std::string>& given) {
    if (!given) {
        const Folders own = Folders::FromExecutable(programPath);
        return own.DataFolder.empty() ? own.OwnFolder : RememberedFolder();
    }
    // The real path, as for the program's own folder: the game folder is the parent of the
    // folder itself, not of a link to it.
    std::string folder = files::ResolvedPath(*given);
    if (folder.empty()) folder = *given;
    return WithSlash(folder);
}

std::string PrepareServedFolder(const std::string& folder) {
    const Folders where = Folders::Serving(folder, "");
    if (!files::FileExists(files::ResolveName(where.GameFolder, settings::kGameExe))) {
        std::string problem = Format(text::kNoGameThere, where.GameFolder.c_str());
        // The game folder itself given for Harbinet's folder inside it.
        if (files::FileExists(files::ResolveName(folder, settings::kGameExe)))
            problem +=
                "\n" + Format(text::kGiveProgramFolder,
                              (files::ResolveName(folder, text::kProgramTitle) + "/").c_str());
        return problem;
    }
    if (files::FolderExists(folder) || files::CreateFolder(folder)) return {};
    return Format(text::kUnableToMakeFolder, folder.c_str(), std::strerror(errno));
}

std::string ProgramFolderInGame(const std::string& gameFolder, std::string& problem) {
    const std::string game = WithSlash(gameFolder);
    if (!files::FileExists(files::ResolveName(game, settings::kGameExe))) {
        problem = Format(text::kNoGameInFolder, game.c_str());
        return {};
    }
    const std::string own = files::ResolveName(game, text::kProgramTitle) + "/";
    if (files::CreateFolder(own)) return own;
    problem = Format(text::kUnableToMakeFolder, own.c_str(), std::strerror(errno));
    return {};
}

void SeedProgramFolder(const Folders& folders) {
    if (folders.DataFolder.empty()) return;
    for (const auto& found : files::FindFiles(folders.DataFolder, "*")) {
        if (!found.folder)
            files::CopyFileIfAbsent(found.path, files::ResolveName(folders.OwnFolder, found.name));
    }
}

}  // namespace harbinet
