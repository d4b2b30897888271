// status and menu: what the tray icon of the program installed in the folder shows right now.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "shell/TrayMenu.h"

namespace harbinet::cli {
namespace {

const char* SeasonWord(std::int32_t terrain) {
    switch (terrain) {
        case 1:
            return "spring";
        case 2:
            return "summer";
        case 3:
            return "autumn";
        case 4:
            return "winter";
        default:
            return "none";
    }
}

int StatusVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("status takes no arguments");
    ProgramContext program(inv);
    program.LoadSettings();
    const FrameState& s = program.State();
    const std::string name = s.TerrainSet == 0
                                 ? std::string()
                                 : s.Settings().TerrainSetName(static_cast<unsigned>(s.TerrainSet));
    std::printf("mode=%s\n", s.Mode == 1 ? "automatic" : "manual");
    std::printf("terrain=%s\n", SeasonWord(s.Terrain));
    std::printf("terrain-set=%d\n", static_cast<int>(s.TerrainSet));
    std::printf("terrain-set-name=%s\n", name.c_str());
    std::printf("tooltip=%s\n", TrayTooltip(s, false).c_str());
    return program.ExitStatus();
}

void PrintMenu(const std::vector<TrayMenuItem>& items, const std::string& indent) {
    for (const auto& item : items) {
        switch (item.kind) {
            case TrayMenuItem::Kind::Separator:
                std::printf("%s---\n", indent.c_str());
                break;
            case TrayMenuItem::Kind::SubMenu:
                std::printf("%s>\t%s\n", indent.c_str(), item.text.c_str());
                PrintMenu(item.items, indent + "  ");
                break;
            case TrayMenuItem::Kind::Command:
                std::printf("%s%d\t%s%s%s%s\n", indent.c_str(), item.command, item.text.c_str(),
                            item.checked ? " [checked]" : "", item.radio ? " [radio]" : "",
                            item.isDefault ? " [default]" : "");
                break;
        }
    }
}

int MenuVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("menu takes no arguments");
    ProgramContext program(inv);
    program.LoadSettings();
    PrintMenu(BuildTrayMenu(program.State()), "");
    return program.ExitStatus();
}

const VerbRegistration kStatus("status", StatusVerb, "status");
const VerbRegistration kMenu("menu", MenuVerb, "menu");

}  // namespace
}  // namespace harbinet::cli
