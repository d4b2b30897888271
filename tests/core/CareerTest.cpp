// The career saves of the game: what is read from one, which one decides the season, and the
// modes in which the program follows it or not.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "SeasonFixture.h"
#include "platform/TextEncoding.h"
#include "program/CareerCheck.h"
#include "program/Modes.h"
#include "support/System.h"

namespace harbinet::test {
namespace {

// The fields of saves of any content and length (cut short, names without their NUL, the high
// bits of the date) are the career fuzz harness's to check.
TEST(CareerRecord, DateAndNamesAsTheUserSeesThem) {
    const std::pair<CareerFields, std::string> cases[] = {
        {{.monthIndex = 8, .dayIndex = 2}, "3 September, 1943  Meyer, Hans"},
        {{.monthIndex = 0x0C, .dayIndex = 0xFF}, "128 Month, 1943  Meyer, Hans"},
        // Names in the game's Windows-1252.
        {{.name1 = "\xC6r\xF8 \x80", .name2 = "M\xFCller"},
         "1 June, 1943  M\u00FCller, \u00C6r\u00F8 \u20AC"},
    };
    GameFolder g;
    for (const auto& [fields, line] : cases) {
        CareerRecord record;
        EXPECT_TRUE(record.ReadCareerFile(g.AddCareer("C.SVE", fields)));
        EXPECT_EQ(CareerLineText(record), line);
    }
    EXPECT_EQ(Cp1252ToUtf8("\x8D\x9F\xFF"), "\u008D\u0178\u00FF") << "undefined bytes stay";
}

// The saves are in "SAVEDATA", which the game names "Savedata".
class ActiveCareerTest : public SeasonFixture {
  protected:
    std::string Career(const std::string& name, std::uint8_t month, long seconds,
                       const std::string& pilot = "Hans") {
        const std::string path = WriteFile(game + "SAVEDATA/" + name,
                                           EncodeCareerSave({.monthIndex = month, .name1 = pilot}));
        EXPECT_TRUE(SetWriteTime(path, seconds));
        return path;
    }
    // Runs one check; the season it installed, "" when it installed none.
    std::string Check() {
        WriteFile(game + "MAP.TER", "stale");
        CheckActiveCareer(*state);
        return InstalledSeason();
    }
};

TEST_F(ActiveCareerTest, ActsOnceOnTheFirstNewestCareerAndInstallsItsMonthsSeason) {
    Career("A.SVE", 0, 1000, "Older");
    Career("c.sve", 9, 2000, "Tied, found later");  // written first, listed after B.SVE
    Career("B.SVE", 5, 2000, "Newest");
    Career("D.SVE", 9, 1500, "Middle");
    // No save, however new: a pipe, never waited on for a writer, a backup, a folder.
    const std::string pipe = game + "SAVEDATA/Y.SVE";
    const bool piped = MakePipe(pipe);
    if (piped) {
        ASSERT_TRUE(SetWriteTime(pipe, 5000));
    }
    WriteFile(game + "SAVEDATA/E.SVE.BAK", "not a save");
    MakeFolder(game + "SAVEDATA/F.SVE");

    EXPECT_EQ(Check(), "Summer");
    EXPECT_EQ(Setting("Terrain"), "2");
    EXPECT_EQ(state->CareerName + " / " + state->CareerDate, "Meyer, Newest / 1 June, 1943");

    EXPECT_EQ(Check(), "") << "nothing changed";
    ForgetActiveCareer(*state);
    EXPECT_EQ(Check(), "Summer") << "forgotten: the same career acts again";

    // A month outside the year: the career is taken, no season installed.
    Career("G.SVE", 12, 3000);
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(state->CareerName + " / " + state->CareerDate, "Meyer, Hans / 1 Month, 1943");
    EXPECT_EQ(Setting("Terrain"), "2");
    EXPECT_TRUE(g.ui.messages.empty());

    // Read as a save, a pipe fails as a file that cannot be opened.
    CareerRecord record;
    int error = 0;
    EXPECT_FALSE(record.ReadCareerFile(pipe, &error));
    if (piped) {
        EXPECT_EQ(CareerOpenFailureText(pipe, error),
                  "Open of file " + pipe + " failed (error = 0x6)");
    }
    EXPECT_EQ(CareerOpenFailureText(pipe, EACCES), "") << "access denied is not told";
}

TEST_F(ActiveCareerTest, NewerSaveRestampedOlderSaveAndOlderTouchEachCount) {
    const std::string a = Career("A.SVE", 0, 1000);  // Winter
    Career("B.SVE", 3, 2000);                        // Spring
    ASSERT_EQ(Check(), "Spring");

    Career("C.SVE", 9, 3000);
    EXPECT_EQ(Check(), "Autumn") << "the game wrote a newer save";

    ASSERT_TRUE(files::SetLastWriteTimeNow(a));
    EXPECT_EQ(Check(), "Winter") << "an older career stamped now becomes the active one";

    Career("A.SVE", 0, 4000);
    EXPECT_EQ(Check(), "Winter") << "the active save touched with an older time counts too";
}

// Manual Mode with a terrain installed by hand; the newest career, already acted on, is in July.
class ModesTest : public SeasonFixture {
  protected:
    void SetUp() override {
        SeasonFixture::SetUp();
        g.AddCareer("A.SVE", {.monthIndex = 6});
        CheckActiveCareer(*state);
        WriteFile(game + "MAP.TER", "by hand");
    }
};

TEST_F(ModesTest, AutomaticModeInstallsAtOnceManualModeLeavesItToProperSeason) {
    Run(cmd::kAutomaticMode);
    EXPECT_EQ(Setting("Mode") + " " + InstalledSeason(), "1 Summer");

    WriteFile(game + "MAP.TER", "by hand");
    Run(cmd::kManualMode);
    EXPECT_EQ(Setting("Mode") + " " + Game("MAP.TER"), "0 by hand");
    Run(cmd::kRefreshSeason);
    EXPECT_EQ(Setting("Mode") + " " + InstalledSeason(), "0 Summer");

    // Starting up in Automatic Mode checks at once too.
    WriteFile(game + "MAP.TER", "by hand");
    ForgetActiveCareer(*state);
    ASSERT_TRUE(state->settings.SetMode(OperatingMode::Automatic));
    StartAutomaticMode(*state);
    EXPECT_EQ(InstalledSeason(), "Summer");
}

TEST_F(ModesTest, WithoutATimerAutomaticModeIsRefusedAndNothingIsInstalled) {
    g.ui.timerWorks = false;
    const std::string settings = ReadFile(g.Settings());
    SwitchToAutomaticMode(*state);
    EXPECT_EQ(ReadFile(g.Settings()), settings);

    // At start-up the mode stays, idle.
    ASSERT_TRUE(state->settings.SetMode(OperatingMode::Automatic));
    ForgetActiveCareer(*state);
    StartAutomaticMode(*state);
    EXPECT_EQ(state->settings.Mode(), OperatingMode::Automatic);

    EXPECT_EQ(Game("MAP.TER"), "by hand");
    const std::string kNoTimer =
        "error Harbinet Error: Unable to create a Timer - Cannot use Automatic Mode";
    EXPECT_EQ(g.ui.messages, (std::vector<std::string>{kNoTimer, kNoTimer}));
}

// A mode the settings file cannot hold would be lost at the next start: the switch is refused.
TEST_F(ModesTest, AModeThatCannotBeWrittenIsNotTaken) {
    ::chmod(g.Settings().c_str(), 0444);
    Run(cmd::kAutomaticMode);
    EXPECT_EQ(Setting("Mode"), "0");
    EXPECT_FALSE(g.ui.timerRunning);
    EXPECT_EQ(Game("MAP.TER"), "by hand");
    ::chmod(g.Settings().c_str(), 0644);
    ASSERT_TRUE(state->settings.SetMode(OperatingMode::Automatic));
    ::chmod(g.Settings().c_str(), 0444);
    Run(cmd::kManualMode);
    EXPECT_EQ(Setting("Mode"), "1");
    const std::string failed = "error Harbinet Error: Unable to write " + g.Settings();
    EXPECT_EQ(g.ui.messages, (std::vector<std::string>{failed, failed}));
}

}  // namespace
}  // namespace harbinet::test
