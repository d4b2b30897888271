// set: choosing the active terrain set; sets: the list of terrain sets, as the Configure
// Terrain Sets dialog keeps it.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "program/Report.h"
#include "program/TerrainSetSelection.h"
#include "terrain/TerrainSetList.h"
#include "terrain/TerrainSets.h"

namespace harbinet::cli {
namespace {

std::optional<unsigned> SlotNumber(const std::string& text) {
    return NumberArgument(text, 1, settings::kMaxTerrainSets);
}

// "--NAME" and "--no-NAME" options; a flag not given stays as it was. False on anything else
// or on both forms of one flag.
bool ParseFlags(const std::vector<std::string>& args, std::size_t from, bool allowNo,
                std::optional<bool>& seasons, std::optional<bool>& objectsLow) {
    for (std::size_t i = from; i < args.size(); ++i) {
        const std::string& a = args[i];
        std::optional<bool>* flag = nullptr;
        bool on = true;
        if (a == "--seasons" || (allowNo && a == "--no-seasons")) flag = &seasons;
        if (a == "--objects-low" || (allowNo && a == "--no-objects-low")) flag = &objectsLow;
        if (!flag) return false;
        on = a.rfind("--no-", 0) != 0;
        if (flag->has_value() && **flag != on) return false;
        *flag = on;
    }
    return true;
}

const char* YesNo(bool on) {
    return on ? "yes" : "no";
}

int List(const Invocation& inv) {
    ProgramContext program(inv);
    program.LoadSettings();
    for (const TerrainSetRow& row : TerrainSetList(program.State()).Rows())
        std::printf("%u\t%s\t%s\t%s\n", row.slot, EscapeForLine(row.name).c_str(),
                    YesNo(row.seasons), YesNo(row.objectsLow));
    return program.ExitStatus();
}

int Add(const Invocation& inv) {
    std::optional<bool> seasons, objectsLow;
    if (inv.args.size() < 2 || !ParseFlags(inv.args, 2, false, seasons, objectsLow))
        return UsageError("sets add needs NAME, then --seasons and --objects-low as wanted");
    return RunAsProgram(inv, [&](ProgramState& state) {
        unsigned slot = 0;
        const Result added = TerrainSetList(state).Add(inv.args[1], seasons.value_or(false),
                                                       objectsLow.value_or(false), slot);
        if (slot != 0) std::printf("%u\n", slot);
        Report(state, added);
    });
}

int Modify(const Invocation& inv) {
    std::optional<bool> seasons, objectsLow;
    const auto slot = inv.args.size() > 2 ? SlotNumber(inv.args[1]) : std::nullopt;
    if (!slot || !ParseFlags(inv.args, 2, true, seasons, objectsLow))
        return UsageError(
            "sets modify needs N from 1 to 25 and --seasons, --no-seasons, --objects-low or "
            "--no-objects-low");
    return RunAsProgram(inv, [&](ProgramState& state) {
        const TerrainSetList list(state);
        const auto row = list.Row(*slot);
        if (!Report(state, list.Exists(*slot))) return;
        Report(state, list.Modify(*slot, seasons.value_or(row->seasons),
                                  objectsLow.value_or(row->objectsLow)));
    });
}

int Delete(const Invocation& inv) {
    const auto slot = inv.args.size() == 2 ? SlotNumber(inv.args[1]) : std::nullopt;
    if (!slot) return UsageError("sets delete needs N from 1 to 25");
    return RunAsProgram(inv, [&](ProgramState& state) {
        const TerrainSetList list(state);
        const auto row = list.Row(*slot);
        if (!Report(state, list.Exists(*slot)) ||
            !state.host.AskYesNo(text::kCaptionDeleteTerrainSet, list.DeleteQuestion(*row)))
            return;
        ReportChange(state, list.Delete(*row));
    });
}

}  // namespace

int SetVerb(const Invocation& given) {
    Invocation inv = given;
    const bool dryRun = TakeDryRun(inv.args);
    const auto set = inv.args.size() == 1 ? SlotNumber(inv.args[0]) : std::nullopt;
    if (!set) return UsageError("set needs a terrain set number from 1 to 25 [--dry-run]");
    if (dryRun)
        return ShowPlan(inv, [n = *set](ProgramState& state) {
            if (Result exists = TerrainSetList(state).Exists(n); !exists)
                return ChangeSpec{"set",
                                  [why = exists.Message()](Planner& plan) { plan.Refuse(why); }};
            return TerrainSetChange(state, n);
        });
    return RunAsProgram(inv, [n = *set](ProgramState& state) {
        if (Report(state, TerrainSetList(state).Exists(n))) SelectTerrainSet(state, n);
    });
}

int SetsVerb(const Invocation& inv) {
    const std::string sub = inv.args.empty() ? std::string() : inv.args[0];
    if (sub == "list" && inv.args.size() == 1) return List(inv);
    if (sub == "add") return Add(inv);
    if (sub == "modify") return Modify(inv);
    if (sub == "delete") return Delete(inv);
    return UsageError("sets needs list, add, modify or delete (see harbinet-cli --help)");
}

}  // namespace harbinet::cli
