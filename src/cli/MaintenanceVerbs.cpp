#include "cli/Verbs.h"

namespace harbinet::cli {
namespace {
const VerbRegistration kIni("ini", IniVerb,
                            "ini get FILE SECTION KEY [--default TEXT] [--size N]\n"
                            "  ini getint FILE SECTION KEY [--default N]\n"
                            "  ini set FILE SECTION KEY VALUE");
const VerbRegistration kFiles("files", FilesVerb, "files FOLDER PATTERN");
}  // namespace
}  // namespace harbinet::cli
