#include "change/PlanListing.h"

#include "change/Progress.h"
#include "platform/Files.h"
#include "platform/Profile.h"
#include "platform/Text.h"

namespace harbinet {

namespace {

using Kind = Action::Kind;

std::string Relative(const std::string& path, const std::string& folder) {
    return EscapeForLine(path.starts_with(folder) ? path.substr(folder.size()) : path);
}

std::string Line(std::initializer_list<std::string> fields) {
    std::string line;
    for (const std::string& field : fields) line += (line.empty() ? "" : "\t") + field;
    return line + "\n";
}

}  // namespace

std::string PlanLines(const Plan& plan, const Folders& folders) {
    const auto game = [&](const std::string& path) { return Relative(path, folders.GameFolder); };
    const auto own = [&](const std::string& path) { return Relative(path, folders.OwnFolder); };
    std::string out;
    for (const Action& a : plan.actions) switch (a.kind) {
            case Kind::Copy:
                out += Line({"copy", own(a.from), game(a.path)});
                break;
            case Kind::Keep:
                out += Line({"keep", game(a.path)});
                break;
            case Kind::Delete:
                out += Line({"delete", game(a.path)});
                break;
            case Kind::Save:
                out += Line({"save", game(a.path)});
                break;
            case Kind::Setting:
                out += Line({"setting", game(a.path), EscapeForLine(a.section),
                             EscapeForLine(a.key), EscapeForLine(a.value)});
                break;
            case Kind::Move:
            case Kind::MoveIfAbsent:
                out += Line({"move", game(a.from), game(a.path)});
                break;
            case Kind::Erase:
                out += Line({"erase", game(a.path)});
                break;
            case Kind::MakeFolder:
                out += Line({"folder", game(a.path)});
                break;
            case Kind::RemoveFolder:
                out += Line({"remove-folder", game(a.path)});
                break;
            case Kind::WriteFile:
                out += Line({"write", game(a.path)});
                break;
        }
    const PlanCounts c = CountPlan(plan);
    return out + Line({"total", std::to_string(c.deletes) + " deletes",
                       std::to_string(c.copies) + " copies", std::to_string(c.kept) + " kept",
                       std::to_string(c.bytes) + " bytes"});
}

std::vector<std::string> Differences(const Plan& plan, const Folders& folders) {
    std::vector<std::string> out;
    const auto game = [&](const std::string& path) { return Relative(path, folders.GameFolder); };
    const auto& steps = plan.actions;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Action& a = steps[i];
        const files::FileStamp there = files::Stamp(a.path);
        if (there.type == files::FileStamp::Type::Other) continue;
        switch (a.kind) {
            case Kind::Keep:
                if (!files::SameContents(a.path, a.from))
                    out.push_back(Line({"differs", game(a.path)}));
                break;
            case Kind::Copy:
                out.push_back(
                    Line({there.type == files::FileStamp::Type::Missing ? "missing" : "differs",
                          game(a.path)}));
                break;
            case Kind::Save:
                // The player's file where a store file belongs differs from it; elsewhere it is
                // foreign to what is installed.
                if (i + 1 < steps.size() && steps[i + 1].kind == Kind::Copy &&
                    steps[i + 1].path == a.path)
                    break;
                out.push_back(Line({"foreign", game(a.path)}));
                break;
            case Kind::Delete:
                // A link the patterns match is no copy: the planner lets it go as it is.
                out.push_back(Line({there.IsFile() ? "extra" : "foreign", game(a.path)}));
                break;
            case Kind::Setting: {
                std::string text;
                if (!profile::ReadFile(a.path, text)) text.clear();
                if (profile::GetStringFromText(text, a.section, a.key, "\n") != a.value)
                    out.push_back(Line({"setting", game(a.path), EscapeForLine(a.section),
                                        EscapeForLine(a.key), EscapeForLine(a.value)}));
                break;
            }
            default:
                break;
        }
    }
    for (std::string& line : out) line.pop_back();
    return out;
}

}  // namespace harbinet
