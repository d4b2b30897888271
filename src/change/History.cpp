#include "change/History.h"

#include <algorithm>
#include <charconv>
#include <ctime>

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet {

namespace {

constexpr std::size_t kFields = 11;
// A result with a long list of files stays a readable line.
constexpr std::size_t kResultLimit = 2000;

std::string LocalTimeNow() {
    const std::time_t now = std::time(nullptr);
    const std::tm* l = std::localtime(&now);
    if (!l) return {};
    const std::tm local = *l;
    const std::tm* u = std::gmtime(&now);
    if (!u) return {};
    const std::tm utc = *u;
    char text[40] = "";
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    // The offset from the two clocks, as strftime's %z is a zone name on some systems; ISO
    // 8601 writes it as +01:00.
    int days = local.tm_yday - utc.tm_yday;
    if (local.tm_year != utc.tm_year) days = local.tm_year > utc.tm_year ? 1 : -1;
    const int minutes =
        days * 1440 + (local.tm_hour - utc.tm_hour) * 60 + (local.tm_min - utc.tm_min);
    const int away = minutes < 0 ? -minutes : minutes;
    return text + Format("%c%02d:%02d", minutes < 0 ? '-' : '+', away / 60, away % 60);
}

bool ValidTime(std::string_view t) {
    // YYYY-MM-DDTHH:MM:SS+HH:MM
    constexpr std::string_view kShape = "dddd-dd-ddTdd:dd:dd+dd:dd";
    if (t.size() != kShape.size()) return false;
    for (std::size_t i = 0; i < t.size(); ++i) {
        const bool ok = kShape[i] == 'd'   ? t[i] >= '0' && t[i] <= '9'
                        : kShape[i] == '+' ? t[i] == '+' || t[i] == '-'
                                           : t[i] == kShape[i];
        if (!ok) return false;
    }
    const auto number = [&](std::size_t at) { return (t[at] - '0') * 10 + (t[at + 1] - '0'); };
    return number(5) >= 1 && number(5) <= 12 && number(8) >= 1 && number(8) <= 31 &&
           number(11) < 24 && number(14) < 60 && number(17) < 61 && number(20) < 24 &&
           number(23) < 60;
}

std::optional<std::uint64_t> Count(std::string_view text) {
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return n;
}

// "Channel (winter)", "Pacific" with no season installed, "default terrain", or "not installed"
// before the first installation.
std::string Installed(const Settings& settings) {
    if (settings.Mode() == OperatingMode::NotInstalled) return "not installed";
    const unsigned set = settings.ActiveSet();
    if (set == 0) return "default terrain";
    std::string text = settings.TerrainSetName(set);
    if (const auto season = settings.InstalledSeason())
        text += " (" + LowerAscii(SeasonName(*season)) + ")";
    return text;
}

std::string Outcome(const ChangeResult& result) {
    if (result.messages.empty()) return result.failed ? "failed" : "done";
    std::string text;
    for (const std::string& message : result.messages)
        text += (text.empty() ? "" : " / ") + message;
    if (text.size() > kResultLimit) {
        std::size_t cut = kResultLimit;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
        text = text.substr(0, cut) + "...";
    }
    return text;
}

}  // namespace

std::string HistoryPath(const Folders& folders) {
    return folders.OwnFolder + "history.log";
}

std::string_view OriginWord(ChangeOrigin origin) {
    switch (origin) {
        case ChangeOrigin::Tray:
            return "tray";
        case ChangeOrigin::Automatic:
            return "automatic";
        case ChangeOrigin::Cli:
            return "cli";
        case ChangeOrigin::LauncherHook:
            return "launcher hook";
        case ChangeOrigin::StartUp:
            return "start-up";
    }
    return "tray";
}

std::string HistoryLine(const HistoryEntry& e) {
    std::string line = e.time;
    for (const std::string* text : {&e.what, &e.origin, &e.from, &e.to})
        line += "\t" + EscapeForLine(*text);
    for (const std::uint64_t n : {e.deleted, e.copied, e.kept, e.bytes})
        line += "\t" + std::to_string(n);
    return line + "\t" + std::to_string(e.milliseconds) + " ms\t" + EscapeForLine(e.result);
}

std::optional<HistoryEntry> ParseHistoryLine(std::string_view line) {
    std::vector<std::string_view> f;
    for (std::size_t start = 0;;) {
        const std::size_t tab = line.find('\t', start);
        f.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) break;
        start = tab + 1;
    }
    if (f.size() != kFields || !ValidTime(f[0]) || !f[9].ends_with(" ms")) return std::nullopt;
    HistoryEntry e;
    e.time = f[0];
    std::string* const texts[] = {&e.what, &e.origin, &e.from, &e.to};
    for (std::size_t i = 0; i < 4; ++i) *texts[i] = UnescapeLine(f[1 + i]);
    std::uint64_t* const numbers[] = {&e.deleted, &e.copied, &e.kept, &e.bytes, &e.milliseconds};
    f[9].remove_suffix(3);
    for (std::size_t i = 0; i < 5; ++i) {
        const auto n = Count(f[5 + i]);
        if (!n) return std::nullopt;
        *numbers[i] = *n;
    }
    e.result = UnescapeLine(f[10]);
    return e;
}

bool AppendHistoryLine(const std::string& path, std::string_view line, std::size_t limit) {
    std::string text;
    if (!files::ReadWholeFile(path, text, 64u << 20)) text.clear();
    if (!text.empty() && text.back() != '\n') text += '\n';
    const std::size_t added = line.size() + 1;
    while (!text.empty() && text.size() + added > limit) {
        const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
        std::size_t cut = 0;
        for (std::size_t dropped = 0; dropped < (lines + 1) / 2; ++dropped)
            cut = text.find('\n', cut) + 1;
        text.erase(0, cut);
    }
    text.append(line).push_back('\n');
    return files::WriteFileAtomic(path, text, false);
}

std::vector<std::string> ReadHistory(const std::string& path) {
    std::string text;
    std::vector<std::string> lines;
    if (!files::ReadWholeFile(path, text, kHistoryReadLimit)) return lines;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        if (ParseHistoryLine(line)) lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

HistoryRecord::HistoryRecord(const ProgramState& state, std::string what) : begun_(state.clock()) {
    entry_.time = LocalTimeNow();
    entry_.what = std::move(what);
    entry_.origin = OriginWord(state.origin);
    entry_.from = Installed(state.settings);
}

void HistoryRecord::Count(const Plan& plan) {
    const PlanCounts counts = CountPlan(plan);
    entry_.deleted = counts.deletes;
    entry_.copied = counts.copies;
    entry_.kept = counts.kept;
    entry_.bytes = counts.bytes;
}

void HistoryRecord::Add(const ProgramState& state, ChangeResult& result) {
    entry_.to = Installed(state.settings);
    entry_.milliseconds = static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(state.clock() - begun_).count());
    entry_.result = Outcome(result);
    if (!AppendHistoryLine(HistoryPath(state), HistoryLine(entry_)))
        result.messages.push_back(Format(text::kUnableToWrite, HistoryPath(state).c_str()));
}

}  // namespace harbinet
