// skins: the skin catalogue and the skins of each terrain set, as the skin dialogs drive them.
#include <cstdio>
#include <map>
#include <optional>
#include <string>

#include "cli/ProgramContext.h"
#include "cli/Verbs.h"
#include "program/Report.h"
#include "skins/SeasonSkinChoices.h"
#include "skins/SkinCatalogue.h"

namespace harbinet::cli {
namespace {

// "--name VALUE" pairs; false on anything else.
bool ParseOptions(const std::vector<std::string>& args, std::size_t from,
                  std::map<std::string, std::string>& options) {
    static const char* const kNames[] = {"--model", "--unit",   "--pilot", "--location",
                                         "--year",  "--author", "--url"};
    for (std::size_t i = from; i < args.size(); i += 2) {
        bool known = false;
        for (const char* name : kNames) known = known || args[i] == name;
        if (!known || i + 1 >= args.size()) return false;
        options[args[i].substr(2)] = args[i + 1];
    }
    return true;
}

// The record with the given options applied, checked as the edit dialog checks it; an error
// text when it breaks a rule.
std::string ApplyOptions(const std::map<std::string, std::string>& options, SkinRecord& r) {
    for (const auto& [name, value] : options) {
        if (name == "model") r.model = value;
        if (name == "unit") r.unit = value;
        if (name == "pilot") r.pilot = value;
        if (name == "location") r.location = value;
        if (name == "author") r.author = value;
        if (name == "url") r.url = value;
        if (name == "year") {
            const auto year = NumberArgument(value, kFirstYear, kLastYear);
            if (!year) return "--year needs a year from 1939 to 1945";
            r.year = *year;
        }
    }
    const auto fault = CheckSkinRecord(r);
    return fault ? fault->message : std::string();
}

void PrintRow(unsigned n, const SkinRecord& r) {
    std::printf("%u\t%s\t%s\t%s\t%s\t%u\n", n, EscapeForLine(r.model).c_str(),
                EscapeForLine(r.unit).c_str(), EscapeForLine(r.pilot).c_str(),
                EscapeForLine(r.location).c_str(), r.year);
}

// A skin number that names an installed skin; an error was shown otherwise.
bool Installed(const ProgramState& state, const SkinCatalogue& catalogue, unsigned n) {
    if (catalogue.IsInstalled(n)) return true;
    state.host.ShowError(Format("Skin %u is not installed", n));
    return false;
}

// What the terrain set verbs share: the set, a season row and a model from the arguments.
struct SetArguments {
    unsigned set = 0;
    std::size_t row = 0;
    std::size_t model = AircraftModelTable::kCount;
};

std::optional<SetArguments> ParseSetArguments(const std::vector<std::string>& args,
                                              bool withSeasonAndModel) {
    SetArguments a;
    const auto set =
        args.size() > 1 ? NumberArgument(args[1], 1, settings::kMaxTerrainSets) : std::nullopt;
    if (!set) return std::nullopt;
    a.set = *set;
    if (!withSeasonAndModel) return a;
    if (args.size() < 4) return std::nullopt;
    bool seasonFound = false;
    for (Season season : kSeasons) {
        if (args[2] != LowerAscii(SeasonName(season))) continue;
        a.row = static_cast<std::size_t>(Stored(season) - 1);
        seasonFound = true;
    }
    a.model = AircraftModelTable::IndexOf(args[3]);
    if (!seasonFound || a.model == AircraftModelTable::kCount) return std::nullopt;
    return a;
}

// The set's choices; none, after saying why, for a set that cannot have them.
std::optional<SeasonSkinChoices> LoadChoices(ProgramState& state, unsigned set) {
    SeasonSkinChoices choices;
    if (!Report(state, LoadChoicesOf(state, set, choices))) return std::nullopt;
    return choices;
}

// Loads the set's choices, lets change alter them, then saves and stages them.
void ChangeChoices(ProgramState& state, const SetArguments& a,
                   const std::function<bool(SeasonSkinChoices&)>& change) {
    auto choices = LoadChoices(state, a.set);
    if (!choices) return;
    if (a.row != 0 && !state.settings.TerrainSetHasSeasons(a.set)) {
        state.host.ShowError("This terrain set has no seasons: its skins are chosen for spring");
        return;
    }
    if (change(*choices)) ReportChange(state, ConfirmTerrainSkins(state, a.set, *choices));
}

constexpr const char* kUsage =
    "skins needs list, add, modify, delete, choices, choose, next, "
    "prev or reset (see harbinet-cli --help)";

int List(const Invocation& inv) {
    ProgramContext program(inv);
    program.LoadSettings();
    for (const SkinRow& row : SkinCatalogue(program.State().SkinCatalogueFolder).ListSkins())
        PrintRow(row.number, row.record);
    return program.ExitStatus();
}

int Add(const Invocation& inv) {
    std::map<std::string, std::string> options;
    std::vector<std::string> args = inv.args;
    bool yes = inv.yes;
    std::erase_if(args, [&](const std::string& a) { return a == "--yes" && (yes = true); });
    if (args.size() < 2 || !ParseOptions(args, 2, options))
        return UsageError("skins add needs FILE and --model, --unit and the other fields");
    SkinRecord record = NewSkinRecord();
    if (const std::string error = ApplyOptions(options, record); !error.empty())
        return UsageError(error);
    const std::string file = args[1];
    if (!files::FileExists(file)) return UsageError("no skin file " + file);
    return RunAsProgram(inv, [&](ProgramState& state) {
        const SkinCatalogue catalogue(state.SkinCatalogueFolder);
        SkinDownload download;
        if (!Report(state, ExamineDownload(state, file, state.settings.Get(settings::kSkinFiles),
                                           download)) ||
            !Report(state, catalogue.SetInitialFolder(download.folder)))
            return;
        // What moves is shown first; it moves only when the user says yes.
        std::fprintf(yes ? stderr : stdout, "%s\n", DownloadText(download).c_str());
        if (!yes) {
            std::fprintf(stderr, "harbinet-cli: nothing was moved; add --yes to store the skin\n");
            return;
        }
        unsigned n = 0;
        ReportChange(state, AddSkin(state, download, record, n));
        if (n != 0) std::printf("%u\n", n);
    });
}

int Modify(const Invocation& inv) {
    std::map<std::string, std::string> options;
    const auto n = inv.args.size() > 1 ? NumberArgument(inv.args[1], 1, ~0u >> 1) : std::nullopt;
    if (!n || !ParseOptions(inv.args, 2, options))
        return UsageError("skins modify needs N and the fields to change");
    return RunAsProgram(inv, [&](ProgramState& state) {
        const SkinCatalogue catalogue(state.SkinCatalogueFolder);
        if (!Installed(state, catalogue, *n)) return;
        SkinRecord record = catalogue.ReadRecord(*n);
        if (const std::string error = ApplyOptions(options, record); !error.empty())
            state.host.ShowError(error);
        else
            Report(state, catalogue.UpdateSkinRecord(*n, record));
    });
}

int Delete(const Invocation& inv) {
    const auto n = inv.args.size() == 2 ? NumberArgument(inv.args[1], 1, ~0u >> 1) : std::nullopt;
    if (!n) return UsageError("skins delete needs N");
    return RunAsProgram(inv, [&](ProgramState& state) {
        const SkinCatalogue catalogue(state.SkinCatalogueFolder);
        if (!Installed(state, catalogue, *n)) return;
        const SkinRecord record = catalogue.ReadRecord(*n);
        if (state.host.AskYesNo(
                text::kCaptionDeleteSkin,
                Format(text::kDeleteSkinQuestion, record.model.c_str(), record.unit.c_str())))
            ReportChange(state, DeleteSkin(state, *n));
    });
}

int Choices(const Invocation& inv) {
    const auto a = inv.args.size() == 2 ? ParseSetArguments(inv.args, false) : std::nullopt;
    if (!a) return UsageError("skins choices needs a terrain set number from 1 to 25");
    ProgramContext program(inv);
    program.LoadSettings();
    ProgramState& state = program.State();
    if (const auto loaded = LoadChoices(state, a->set)) {
        const SeasonSkinChoices& choices = *loaded;
        for (std::size_t m = 0; m < AircraftModelTable::kCount; ++m)
            std::printf(
                "%s\t%s\t%u\t%u\t%u\t%u\n", std::string(AircraftModelTable::CodeAt(m)).c_str(),
                std::string(AircraftModelTable::DisplayNameAt(m)).c_str(), choices.GetChoice(0, m),
                choices.GetChoice(1, m), choices.GetChoice(2, m), choices.GetChoice(3, m));
    }
    return program.ExitStatus();
}

int Choose(const Invocation& inv) {
    const auto a = inv.args.size() == 5 ? ParseSetArguments(inv.args, true) : std::nullopt;
    const auto n = a ? NumberArgument(inv.args[4], 0, ~0u >> 1) : std::nullopt;
    if (!n) return UsageError("skins choose needs SET SEASON MODEL N");
    return RunAsProgram(inv, [&](ProgramState& state) {
        const SkinCatalogue catalogue(state.SkinCatalogueFolder);
        const std::string_view code = AircraftModelTable::CodeAt(a->model);
        if (*n != 0 && (!catalogue.IsInstalled(*n) ||
                        !EqualIgnoringCase(catalogue.ReadRecord(*n).baseModel, code))) {
            state.host.ShowError(
                Format("Skin %u is no installed skin of the %s", *n, std::string(code).c_str()));
            return;
        }
        ChangeChoices(state, *a, [&](SeasonSkinChoices& choices) {
            choices.SetChoice(a->row, a->model, *n);
            return true;
        });
    });
}

int Step(const Invocation& inv, bool next) {
    const auto a = inv.args.size() == 4 ? ParseSetArguments(inv.args, true) : std::nullopt;
    if (!a) return UsageError("skins next and prev need SET SEASON MODEL");
    return RunAsProgram(inv, [&](ProgramState& state) {
        const SkinCatalogue catalogue(state.SkinCatalogueFolder);
        const std::string_view code = AircraftModelTable::CodeAt(a->model);
        ChangeChoices(state, *a, [&](SeasonSkinChoices& choices) {
            const unsigned current = choices.GetChoice(a->row, a->model);
            const unsigned chosen = next ? catalogue.NextSkinOf(code, current)
                                         : catalogue.PreviousSkinOf(code, current);
            choices.SetChoice(a->row, a->model, chosen);
            std::printf("%u\n", chosen);
            return true;
        });
    });
}

int Reset(const Invocation& inv) {
    const auto a = inv.args.size() == 2 ? ParseSetArguments(inv.args, false) : std::nullopt;
    if (!a) return UsageError("skins reset needs a terrain set number from 1 to 25");
    return RunAsProgram(inv, [&](ProgramState& state) {
        ChangeChoices(state, *a, [&](SeasonSkinChoices& choices) {
            if (!state.host.AskYesNo(text::kCaptionResetSkins, text::kResetSkinsQuestion))
                return false;
            choices.ClearChoices();
            return true;
        });
    });
}

}  // namespace

int SkinsVerb(const Invocation& inv) {
    const std::string sub = inv.args.empty() ? std::string() : inv.args[0];
    if (sub == "list" && inv.args.size() == 1) return List(inv);
    if (sub == "add") return Add(inv);
    if (sub == "modify") return Modify(inv);
    if (sub == "delete") return Delete(inv);
    if (sub == "choices") return Choices(inv);
    if (sub == "choose") return Choose(inv);
    if (sub == "next" || sub == "prev") return Step(inv, sub == "next");
    if (sub == "reset") return Reset(inv);
    return UsageError(kUsage);
}

}  // namespace harbinet::cli
