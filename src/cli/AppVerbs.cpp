// apps: the external applications of the tray's "Launch" sub-menu, as their dialogs edit them.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "launch/ExternalAppList.h"
#include "program/Report.h"

namespace harbinet::cli {
namespace {

std::optional<unsigned> Slot(const std::string& text) {
    return NumberArgument(text, 1, settings::kMaxExternalApps);
}

// What the edit dialog's OK would refuse, as an error; true when the entry may be stored.
bool Acceptable(ProgramState& state, const std::string& description,
                const std::string& executable) {
    const AppEntryCheck check = CheckExternalApp(state, description, executable);
    if (check == AppEntryCheck::Accepted) return true;
    state.host.ShowError(AppEntryCheckText(check, executable));
    return false;
}

int List(const Invocation& inv) {
    ProgramContext program(inv);
    program.LoadSettings();
    for (const ExternalAppSlot& app : ListExternalApps(program.State().settings))
        std::printf("%u\t%s\t%s\n", app.slot, EscapeForLine(app.description).c_str(),
                    EscapeForLine(app.executable).c_str());
    return program.ExitStatus();
}

int Add(const Invocation& inv) {
    if (inv.args.size() != 3) return UsageError("apps add needs DESCRIPTION EXECUTABLE");
    return RunAsProgram(inv, [&](ProgramState& state) {
        if (LowestFreeAppSlot(state.settings) == 0) {
            state.host.ShowError(text::kAppSlotsFull);
            return;
        }
        if (!Acceptable(state, inv.args[1], inv.args[2])) return;
        if (unsigned slot = 0; Report(state, AddExternalApp(state, inv.args[1], inv.args[2], slot)))
            std::printf("%u\n", slot);
    });
}

int Modify(const Invocation& inv) {
    const auto slot = inv.args.size() == 4 ? Slot(inv.args[1]) : std::nullopt;
    if (!slot) return UsageError("apps modify needs N (1 to 25) DESCRIPTION EXECUTABLE");
    return RunAsProgram(inv, [&](ProgramState& state) {
        if (Report(state, AppInUse(state, *slot)) && Acceptable(state, inv.args[2], inv.args[3]))
            Report(state, ModifyExternalApp(state, *slot, inv.args[2], inv.args[3]));
    });
}

int Delete(const Invocation& inv) {
    const auto slot = inv.args.size() == 2 ? Slot(inv.args[1]) : std::nullopt;
    if (!slot) return UsageError("apps delete needs N (1 to 25)");
    return RunAsProgram(inv, [&](ProgramState& state) {
        if (!Report(state, AppInUse(state, *slot))) return;
        const std::string description = state.settings.AppDescription(*slot);
        if (state.host.AskYesNo(text::kCaptionDeleteApp,
                                Format(text::kDeleteAppQuestion, description.c_str())))
            Report(state, DeleteExternalApp(state, *slot));
    });
}

}  // namespace

int AppsVerb(const Invocation& inv) {
    const std::string sub = inv.args.empty() ? std::string() : inv.args[0];
    if (sub == "list" && inv.args.size() == 1) return List(inv);
    if (sub == "add") return Add(inv);
    if (sub == "modify") return Modify(inv);
    if (sub == "delete") return Delete(inv);
    return UsageError("apps needs list, add, modify or delete (see harbinet-cli --help)");
}

}  // namespace harbinet::cli
