// The history of changes and the progress of a long one: what a line holds, how the file stays
// small and readable, and when the host hears how far a change has come.
#include "change/History.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "SeasonFixture.h"
#include "terrain/SeasonInstall.h"

namespace harbinet::test {
namespace {

using namespace std::chrono_literals;

std::string Fields(const HistoryEntry& e) {
    return e.what + "|" + e.origin + "|" + e.from + "|" + e.to + "|" + std::to_string(e.deleted) +
           "|" + std::to_string(e.copied) + "|" + std::to_string(e.kept) + "|" +
           std::to_string(e.bytes) + "|" + std::to_string(e.milliseconds) + "|" + e.result;
}

class HistoryTest : public SeasonFixture {
  protected:
    // The history's lines as fields, all but the time, which must be valid.
    std::vector<std::string> Lines() {
        std::vector<std::string> out;
        for (const std::string& line : ReadHistory(HistoryPath(*state)))
            out.push_back(Fields(*ParseHistoryLine(line)));
        return out;
    }
};

// One line a change that began, whoever asked and however it ended; a change refused before it
// began adds none. The clock stands still: each change took 0 ms.
TEST_F(HistoryTest, EachChangeAddsOneLineOfWhatItDid) {
    const auto now = std::chrono::steady_clock::now();
    state->clock = [now] { return now; };
    const std::string exe = game + "EAW.EXE", summer = g.Own() + "Terrain/Channel/Summer/";
    const struct {
        ChangeOrigin origin;
        std::function<void()> change;
        std::string line;  // "" for none
    } cases[] = {
        {ChangeOrigin::Cli, [&] { InstallSeason(*state, Season::Winter); },
         "season winter|cli|Channel (spring)|Channel (winter)|0|2|0|62|0|done"},
        {ChangeOrigin::Automatic, [&] { InstallSeason(*state, Season::Winter); },
         "season winter|automatic|Channel (winter)|Channel (winter)|0|0|2|0|0|done"},
        {ChangeOrigin::Cli,
         [&] {
             ::rename(exe.c_str(), (exe + "-gone").c_str());
             InstallSeason(*state, Season::Summer);
             ::rename((exe + "-gone").c_str(), exe.c_str());
         },
         ""},
        {ChangeOrigin::LauncherHook,
         [&] {
             ::chmod(g.Settings().c_str(), 0444);
             InstallSeason(*state, Season::Summer);
             ::chmod(g.Settings().c_str(), 0644);
         },
         "season summer|launcher hook|Channel (winter)|Channel (winter)|0|2|0|62|0|Unable to "
         "write " +
             g.Settings()},
        {ChangeOrigin::Tray, [&] { RestoreDefaultTerrain(*state); },
         "season default|tray|Channel (winter)|default terrain|2|0|0|0|0|done"},
        {ChangeOrigin::StartUp,
         [&] {
             const Plan plan{
                 "season summer",
                 g.Own() + "Originals/x/",
                 {Action::Of(Action::Kind::Copy, game + "MAP.TER", summer + "MAP.TER")}};
             WriteFile(JournalPath(*state), JournalText(Journal{plan, false, {}}));
             ResumeChange(*state, false);
         },
         "season summer (resumed)|start-up|default terrain|default terrain|0|1|0|30|0|done"},
    };
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        const OriginScope origin(*state, c.origin);
        c.change();
        if (!c.line.empty()) expected.push_back(c.line);
        EXPECT_EQ(Lines(), expected);
    }
}

// A short change shows nothing; a long one (a clock a second further at each look) tells after
// each step how many files and bytes are done, then that it has finished.
TEST_F(HistoryTest, ALongChangeTellsHowFarItHasCome) {
    auto now = std::chrono::steady_clock::now();
    const struct {
        std::chrono::seconds step;
        Season season;
        std::vector<std::string> progress;
    } cases[] = {
        {0s, Season::Winter, {}},
        {1s,
         Season::Summer,
         {"season summer 0/2 files 0/62 bytes",  // the settings first
          "season summer 1/2 files 30/62 bytes", "season summer 2/2 files 62/62 bytes",
          "finished"}},
    };
    for (const auto& c : cases) {
        state->clock = [&now, step = c.step] { return now += step; };
        g.ui.progress.clear();
        InstallSeason(*state, c.season);
        EXPECT_EQ(g.ui.progress, c.progress) << c.step.count();
    }
}

TEST(Progress, ShownOnceAChangeHasRunHalfASecondThenAtMostEveryTenth) {
    const auto begun = std::chrono::steady_clock::now();
    auto now = begun;
    const SteadyClock clock = [&now] { return now; };
    ProgressThrottle throttle(clock, begun);
    const std::pair<std::chrono::milliseconds, bool> looks[] = {
        {0ms, false},  {499ms, false}, {500ms, true},  {599ms, false},
        {600ms, true}, {650ms, false}, {2000ms, true}, {2001ms, false}};
    for (const auto& [after, due] : looks) {
        now = begun + after;
        EXPECT_EQ(throttle.Due(), due) << after.count();
    }
}

// One line of a history: each field is numbered so that the lines tell apart.
std::string Line(int n, std::size_t size = 0) {
    HistoryEntry e;
    e.time = "2026-12-07T09:30:12+01:00";
    e.what = Format("season %06d", n);
    e.origin = "tray";
    e.from = "Channel\t(winter)";
    e.to = "default terrain";
    e.copied = 120;
    e.bytes = 268435456;
    e.milliseconds = 1840;
    e.result = "done";
    std::string line = HistoryLine(e);
    if (line.size() < size) {
        e.result += std::string(size - line.size(), '.');
        line = HistoryLine(e);
    }
    return line;
}

// A line that would take the file past 1 MiB first drops the oldest half of the lines.
TEST(History, StaysWithinOneMebibyteByDroppingTheOldestHalf) {
    TempDir dir;
    const std::string path = dir / "history.log";
    const std::size_t count = kHistoryLimit / 100;  // lines of 100 bytes with their line ends
    std::string text;
    for (std::size_t i = 0; i < count; ++i) text += Line(static_cast<int>(i), 99) + "\n";
    WriteFile(path, text);

    ASSERT_TRUE(AppendHistoryLine(path, Line(-1, 99)));
    const std::vector<std::string> lines = ReadHistory(path);
    ASSERT_EQ(lines.size(), count / 2 + 1);
    EXPECT_EQ(lines.front(), Line(static_cast<int>(count - count / 2), 99));
    EXPECT_EQ(lines.back(), Line(-1, 99));
    EXPECT_LE(ReadFile(path).size(), kHistoryLimit);
}

// Damaged lines are skipped, the others read as stored: their fields come back as written.
TEST(History, DamagedLinesAreSkipped) {
    const std::string good = Line(1);
    const auto edited = [&](std::size_t at, std::size_t length, const char* by) {
        return std::string(good).replace(at, length, by);
    };
    const std::string damaged[] = {
        "",
        good.substr(0, good.rfind('\t')),            // a field missing
        good + "\textra",                            // a field too many
        edited(5, 2, "13"),                          // no such month
        edited(0, 25, "yesterday"),                  // no time
        edited(good.find("\t120\t"), 5, "\t12x\t"),  // a count that is no number
        edited(good.find(" ms"), 3, " s"),           // a duration in other words
        good.substr(0, 40),                          // cut short
    };
    TempDir dir;
    const std::string path = dir / "history.log";
    std::string text = good + "\n";
    for (const std::string& line : damaged) text += line + "\n";
    WriteFile(path, text + Line(2));
    EXPECT_EQ(ReadHistory(path), (std::vector<std::string>{good, Line(2)}));
    EXPECT_EQ(Fields(*ParseHistoryLine(good)),
              "season 000001|tray|Channel\t(winter)|default terrain|0|120|0|268435456|1840|done");
}

}  // namespace
}  // namespace harbinet::test
