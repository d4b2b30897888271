#include "change/Plan.h"

#include <algorithm>
#include <array>

#include "platform/Text.h"

namespace harbinet {

namespace {

constexpr std::string_view kHeader = "Harbinet change 1";

using Kind = Action::Kind;

struct KindInfo {
    Kind kind;
    std::string_view word;
    int fields;  // after the word: path, from, section, key, value in that order
};
constexpr std::array<KindInfo, 11> kKinds = {{
    {Kind::Copy, "copy", 2},
    {Kind::Keep, "keep", 2},
    {Kind::Delete, "delete", 1},
    {Kind::Save, "save", 1},
    {Kind::Move, "move", 2},
    {Kind::MoveIfAbsent, "move-if-absent", 2},
    {Kind::Erase, "erase", 1},
    {Kind::MakeFolder, "folder", 1},
    {Kind::RemoveFolder, "remove-folder", 1},
    {Kind::Setting, "setting", 4},
    {Kind::WriteFile, "write", 2},
}};

std::vector<std::string> Fields(std::string_view line) {
    std::vector<std::string> out;
    for (;;) {
        const auto tab = line.find('\t');
        out.push_back(UnescapeLine(line.substr(0, tab)));
        if (tab == std::string_view::npos) return out;
        line.remove_prefix(tab + 1);
    }
}

std::string Line(std::initializer_list<std::string_view> fields) {
    std::string out;
    for (std::string_view f : fields) out += (out.empty() ? "" : "\t") + EscapeForLine(f);
    return out + "\n";
}

}  // namespace

bool Plan::Changes() const {
    return std::any_of(actions.begin(), actions.end(), [](const Action& a) { return a.Changes(); });
}

std::string JournalText(const Journal& journal) {
    std::string text = Line({kHeader});
    text += Line({"state", journal.failed ? "failed" : "running"});
    text += Line({"what", journal.plan.what});
    text += Line({"kept", journal.plan.keptFolder});
    for (const std::string& message : journal.messages) text += Line({"message", message});
    for (const Action& a : journal.plan.actions) {
        const auto& info = *std::find_if(kKinds.begin(), kKinds.end(),
                                         [&](const KindInfo& k) { return k.kind == a.kind; });
        switch (info.fields) {
            case 1:
                text += Line({"action", info.word, a.path});
                break;
            case 2:
                text += Line(
                    {"action", info.word, a.path, a.kind == Kind::WriteFile ? a.value : a.from});
                break;
            default:
                text += Line({"action", info.word, a.path, a.section, a.key, a.value});
        }
    }
    return text;
}

std::optional<Journal> ParseJournal(std::string_view text) {
    Journal journal;
    bool header = false;
    while (!text.empty()) {
        const auto end = text.find('\n');
        // A line without its end was cut short: it and what would follow are not read.
        if (end == std::string_view::npos) break;
        const std::vector<std::string> f = Fields(text.substr(0, end));
        text.remove_prefix(end + 1);
        if (!header) {
            if (f.size() != 1 || f[0] != kHeader) return std::nullopt;
            header = true;
        } else if (f[0] == "state" && f.size() == 2) {
            journal.failed = f[1] == "failed";
        } else if (f[0] == "what" && f.size() == 2) {
            journal.plan.what = f[1];
        } else if (f[0] == "kept" && f.size() == 2) {
            journal.plan.keptFolder = f[1];
        } else if (f[0] == "message" && f.size() == 2) {
            journal.messages.push_back(f[1]);
        } else if (f[0] == "action" && f.size() >= 3) {
            const auto info = std::find_if(kKinds.begin(), kKinds.end(),
                                           [&](const KindInfo& k) { return k.word == f[1]; });
            if (info == kKinds.end() || f.size() != static_cast<std::size_t>(info->fields) + 2)
                break;
            Action a;
            a.kind = info->kind;
            a.path = f[2];
            if (info->fields == 2) (a.kind == Kind::WriteFile ? a.value : a.from) = f[3];
            if (info->fields == 4) {
                a.section = f[3];
                a.key = f[4];
                a.value = f[5];
            }
            journal.plan.actions.push_back(std::move(a));
        } else {
            break;
        }
    }
    if (!header) return std::nullopt;
    return journal;
}

}  // namespace harbinet
