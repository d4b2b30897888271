#include "install/ServedFolder.h"

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

Result PrepareServedFolder(const std::string& folder) {
    const Folders where = Folders::Serving(folder, "");
    if (!files::FileExists(files::ResolveName(where.GameFolder, settings::kGameExe))) {
        std::string problem = Format(text::kNoGameThere, where.GameFolder.c_str());
        // The game folder itself given for Harbinet's folder inside it.
        if (files::FileExists(files::ResolveName(folder, settings::kGameExe)))
            problem +=
                "\n" + Format(text::kGiveProgramFolder,
                              (files::ResolveName(folder, text::kProgramTitle) + "/").c_str());
        return Result::Failure(std::move(problem), where.GameFolder);
    }
    if (files::FolderExists(folder) || files::CreateFolder(folder)) return {};
    return Result::Failure(Format(text::kFolderNotMade, folder.c_str()), folder);
}

Result ProgramFolderInGame(const std::string& gameFolder, std::string& own) {
    const std::string game = WithSlash(gameFolder);
    own.clear();
    if (!files::FileExists(files::ResolveName(game, settings::kGameExe)))
        return Result::Failure(Format(text::kNoGameInFolder, game.c_str()), game);
    const std::string folder = files::ResolveName(game, text::kProgramTitle) + "/";
    if (!files::CreateFolder(folder))
        return Result::Failure(Format(text::kFolderNotMade, folder.c_str()), folder);
    own = folder;
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
