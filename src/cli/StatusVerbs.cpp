// status and menu: what the tray icon of the program installed in the folder shows right now.
#include <cstdio>
#include <memory>
#include <string>

#include "cli/Verbs.h"
#include "shell/LoadSettings.h"
#include "shell/TrayMenu.h"

namespace harbinet::cli {
namespace {

// These verbs only read; nothing they do reaches the desktop, so it refuses every request.
class NoDesktop : public Desktop {
  public:
    bool WindowExists(const std::string&) override { return false; }
    bool BringWindowForward(const std::string&) override { return false; }
    bool Spawn(const std::vector<std::string>&, const std::string&, std::string* error) override {
        if (error) *error = "no desktop in this command";
        return false;
    }
    void ShellOpen(const std::string&) override {}
    void PlaySound(const std::string&) override {}
};

// The frame state of the program installed in the folder, after its start-up reading.
struct Program {
    explicit Program(const Invocation& inv)
        : services(inv.yes),
          state(Folders::FromExecutable(inv.folder + "harbinet"), services, desktop) {
        LoadSettings(state);
    }
    CliServices services;
    NoDesktop desktop;
    FrameState state;
};

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
    Program program(inv);
    const FrameState& s = program.state;
    const std::string name = s.TerrainSet == 0
                                 ? std::string()
                                 : s.Settings().TerrainSetName(static_cast<unsigned>(s.TerrainSet));
    std::printf("mode=%s\n", s.Mode == 1 ? "automatic" : "manual");
    std::printf("terrain=%s\n", SeasonWord(s.Terrain));
    std::printf("terrain-set=%d\n", static_cast<int>(s.TerrainSet));
    std::printf("terrain-set-name=%s\n", name.c_str());
    std::printf("tooltip=%s\n", TrayTooltip(s, false).c_str());
    return 0;
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
    Program program(inv);
    PrintMenu(BuildTrayMenu(program.state), "");
    return 0;
}

const VerbRegistration kStatus("status", StatusVerb, "status");
const VerbRegistration kMenu("menu", MenuVerb, "menu");

}  // namespace
}  // namespace harbinet::cli
