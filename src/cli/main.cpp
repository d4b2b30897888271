// harbinet-cli [--folder DIR] [--yes] VERB ARGS...
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <string>
#include <string_view>

#include "cli/Verbs.h"
#include "install/ServedFolder.h"
#include "platform/Console.h"
#include "platform/Executables.h"
#include "platform/Files.h"

using namespace harbinet;

namespace {

struct Verb {
    const char* name;
    int (*run)(const cli::Invocation&);
    const char* usage;  // one line per form, without "harbinet-cli "
};

constexpr Verb kVerbs[] = {
    {"status", cli::StatusVerb, "status"},
    {"menu", cli::MenuVerb, "menu"},
    {"season", cli::SeasonVerb, "season spring|summer|autumn|winter|default [--dry-run]"},
    {"set", cli::SetVerb, "set N [--dry-run]"},
    {"mode", cli::ModeVerb, "mode automatic|manual"},
    {"refresh", cli::RefreshVerb, "refresh [--dry-run]"},
    {"verify", cli::VerifyVerb, "verify"},
    {"repair", cli::RepairVerb, "repair"},
    {"check", cli::CheckVerb, "check"},
    {"careers", cli::CareersVerb, "careers"},
    {"launch", cli::LaunchVerb, "launch"},
    {"launch-app", cli::LaunchAppVerb, "launch-app N"},
    {"sets", cli::SetsVerb,
     "sets list\n"
     "  sets add NAME [--seasons] [--objects-low]\n"
     "  sets modify N [--seasons|--no-seasons] [--objects-low|--no-objects-low]\n"
     "  sets delete N"},
    {"skins", cli::SkinsVerb,
     "skins list\n"
     "  skins add FILE --model TEXT --unit TEXT [--pilot TEXT] [--location TEXT]\n"
     "            [--year 1939..1945] [--author TEXT] [--url TEXT]\n"
     "  skins modify N [--model TEXT] [--unit TEXT] [--pilot TEXT] [--location TEXT]\n"
     "            [--year 1939..1945] [--author TEXT] [--url TEXT]\n"
     "  skins delete N\n"
     "  skins choices SET\n"
     "  skins choose SET spring|summer|autumn|winter MODEL N\n"
     "  skins next|prev SET spring|summer|autumn|winter MODEL\n"
     "  skins reset SET"},
    {"apps", cli::AppsVerb,
     "apps list\n"
     "  apps add DESCRIPTION EXECUTABLE\n"
     "  apps modify N DESCRIPTION EXECUTABLE\n"
     "  apps delete N"},
    {"configure", cli::ConfigureVerb,
     "configure show\n"
     "  configure set KEY VALUE"},
    {"originals", cli::OriginalsVerb,
     "originals list\n"
     "  originals restore NAME"},
    {"history", cli::HistoryVerb, "history [N]"},
    {"ini", cli::IniVerb,
     "ini get FILE SECTION KEY [--default TEXT] [--size N]\n"
     "  ini getint FILE SECTION KEY [--default N]\n"
     "  ini set FILE SECTION KEY VALUE"},
    {"files", cli::FilesVerb, "files FOLDER PATTERN"},
};

int Usage() {
    std::fprintf(stderr, "usage: harbinet-cli [--folder DIR] [--yes] VERB ...\nverbs:\n");
    for (const Verb& v : kVerbs) std::fprintf(stderr, "  %s\n", v.usage);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    cli::Invocation inv;
    const Verb* verb = nullptr;
    const std::vector<std::string> arguments = console::Arguments(argc, argv);
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        std::string_view a = arguments[i];
        if (!verb && a == "--folder") {
            if (++i >= arguments.size()) return cli::UsageError("--folder needs a folder");
            inv.folder = arguments[i];
        } else if (!verb && a == "--yes") {
            inv.yes = true;
        } else if (!verb && (a == "--help" || a == "-h")) {
            Usage();
            return 0;
        } else if (!verb) {
            for (const Verb& v : kVerbs)
                if (a == v.name) verb = &v;
            if (!verb) return cli::UsageError("unknown verb '" + std::string(a) + "'");
        } else {
            inv.args.emplace_back(a);
        }
    }
    if (!verb) return Usage();
    const std::string programFolder = files::FolderOf(files::ExecutablePath());
    inv.program =
        (programFolder.empty() ? "./" : programFolder) + files::ProgramFileName("harbinet");
    inv.folder = ServedFolderFor(
        inv.program, inv.folder.empty() ? std::nullopt : std::optional<std::string>(inv.folder));
    // A launcher's hook still starts the game; refresh says why it could not refresh.
    const bool hook = verb->run == cli::RefreshVerb && !inv.args.empty() && inv.args[0] == "--";
    inv.launcherHook = hook;
    if (inv.folder.empty() && !hook) return cli::UsageError(cli::kNoFolderKnown);
    // Nothing is made for a folder without the game; the hook still starts the command.
    const bool maintenance = verb->run == cli::IniVerb || verb->run == cli::FilesVerb;
    if (!inv.folder.empty() && !maintenance) {
        if (const Result prepared = PrepareServedFolder(inv.folder); !prepared) {
            std::fprintf(stderr, "harbinet-cli: %s\n", prepared.Message().c_str());
            if (!hook) return 1;
            inv.folder.clear();
        }
    }
    // A hostile file may still ask for more memory than there is: the run fails with a message
    // rather than an abort.
    try {
        return verb->run(inv);
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "harbinet-cli: out of memory\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "harbinet-cli: %s\n", e.what());
    }
    return 1;
}
