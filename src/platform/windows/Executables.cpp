// Windows runs a file by its extension, not by a mode bit.
#include "platform/Executables.h"

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::files {

bool IsExecutableFile(const std::string& path) {
    if (!FileExists(path)) return false;
    const std::string lower = LowerAscii(path);
    for (const char* extension : {".exe", ".com", ".bat", ".cmd"})
        if (lower.ends_with(extension)) return true;
    return false;
}

std::string ProgramFileName(const std::string& name) {
    return name + ".exe";
}

}  // namespace harbinet::files
