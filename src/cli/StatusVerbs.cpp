// status and menu: what the tray icon of the program installed in the folder shows right now.
#include <cstdio>
#include <string>

#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "program/TrayMenu.h"

namespace harbinet::cli {

int StatusVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("status takes no arguments");
    ProgramContext program(inv);
    program.LoadSettings();
    const ProgramState& s = program.State();
    const std::string name = s.settings.ActiveSet() == 0
                                 ? std::string()
                                 : s.settings.TerrainSetName(s.settings.ActiveSet());
    // With the game's default terrain no season of a set is installed, whatever "Terrain" says.
    const auto season = s.settings.ActiveSet() == 0 ? std::nullopt : s.settings.InstalledSeason();
    std::printf("mode=%s\n", s.settings.Automatic() ? "automatic" : "manual");
    std::printf("terrain=%s\n", season ? LowerAscii(SeasonName(*season)).c_str() : "none");
    std::printf("terrain-set=%d\n", static_cast<int>(s.settings.ActiveSet()));
    // Names are escaped: one line stays one key.
    std::printf("terrain-set-name=%s\n", EscapeForLine(name).c_str());
    std::printf("tooltip=%s\n", EscapeForLine(TrayTooltip(s, false)).c_str());
    return program.ExitStatus();
}

int MenuVerb(const Invocation& inv) {
    if (!inv.args.empty()) return UsageError("menu takes no arguments");
    ProgramContext program(inv);
    program.LoadSettings();
    std::fputs(MenuText(BuildTrayMenu(program.State())).c_str(), stdout);
    return program.ExitStatus();
}

}  // namespace harbinet::cli
