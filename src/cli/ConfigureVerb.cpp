// configure: the options of the Configure dialog, shown and changed with its checks.
#include <cstdio>
#include <string>

#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "program/Configuration.h"

namespace harbinet::cli {
namespace {

constexpr const char* kDetails[] = {"low", "medium", "high"};

int Show(const Invocation& inv) {
    ProgramContext program(inv);
    program.LoadSettings();
    const Configuration c = ReadConfiguration(program.State());
    std::printf("ClickDefault\t%d\nLoadOnStart\t%d\nCopySkins\t%d\nLaunchAfter\t%d\n",
                c.clickDefault, c.loadOnStart, c.copySkins, c.launchAfter);
    std::printf("SavedObjectDetail\t%s\n", c.objectDetail ? kDetails[*c.objectDetail] : "");
    std::printf("TerrainFiles\t%s\nSkinFiles\t%s\nCommonFiles\t%s\n",
                EscapeForLine(c.terrainFiles).c_str(), EscapeForLine(c.skinFiles).c_str(),
                EscapeForLine(c.commonFiles).c_str());
    return program.ExitStatus();
}

// The option named key set to value; false when the key is unknown or the value unfit.
bool Change(Configuration& c, const std::string& key, const std::string& value) {
    const bool flag = value == "0" || value == "1";
    for (auto [name, field] :
         {std::pair{"ClickDefault", &c.clickDefault}, std::pair{"LoadOnStart", &c.loadOnStart},
          std::pair{"CopySkins", &c.copySkins}, std::pair{"LaunchAfter", &c.launchAfter}})
        if (EqualIgnoringCase(key, name)) {
            *field = value == "1";
            return flag;
        }
    if (EqualIgnoringCase(key, "SavedObjectDetail")) {
        for (unsigned i = 0; i < 3; ++i)
            if (EqualIgnoringCase(value, kDetails[i]) || value == std::to_string(i))
                c.objectDetail = i;
        return c.objectDetail.has_value() && (EqualIgnoringCase(value, kDetails[*c.objectDetail]) ||
                                              value == std::to_string(*c.objectDetail));
    }
    for (auto [name, field] :
         {std::pair{"TerrainFiles", &c.terrainFiles}, std::pair{"SkinFiles", &c.skinFiles},
          std::pair{"CommonFiles", &c.commonFiles}})
        if (EqualIgnoringCase(key, name)) {
            *field = value;
            return value.size() <= 255;
        }
    return false;
}

int Set(const Invocation& inv) {
    if (inv.args.size() != 3) return UsageError("configure set needs KEY VALUE");
    Configuration probe;
    if (!Change(probe, inv.args[1], inv.args[2]))
        return UsageError(
            "configure set takes ClickDefault, LoadOnStart, CopySkins or "
            "LaunchAfter 0|1, SavedObjectDetail low|medium|high, or TerrainFiles, "
            "SkinFiles or CommonFiles of at most 255 characters");
    return RunAsProgram(inv, [&](ProgramState& state) {
        Configuration options = ReadConfiguration(state);
        Change(options, inv.args[1], inv.args[2]);
        if (const auto refused = RefusedPatternList(options))
            state.host.ShowError(RefusedPatternListText(*refused));
        else
            ApplyConfiguration(state, options);
    });
}

}  // namespace

int ConfigureVerb(const Invocation& inv) {
    const std::string sub = inv.args.empty() ? std::string() : inv.args[0];
    if (sub == "show" && inv.args.size() == 1) return Show(inv);
    if (sub == "set") return Set(inv);
    return UsageError("configure needs show or set (see harbinet-cli --help)");
}

}  // namespace harbinet::cli
