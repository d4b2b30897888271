#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>

#include "careers/CareerRecord.h"
#include "platform/TextEncoding.h"
#include "support/GameFolder.h"

namespace harbinet::test {
namespace {

class CareerRecordTest : public ::testing::Test {
protected:
    GameFolder g;
    CareerRecord Read(const CareerFields& fields, std::size_t length = 0x22FB1) {
        const std::string path = WriteFile(g.Game() + "Savedata/C.SVE", CareerBytes(fields, length));
        CareerRecord record;
        EXPECT_TRUE(record.ReadCareerFile(path, g.ui));
        EXPECT_EQ(record.FilePath(), path);
        return record;
    }
};

TEST_F(CareerRecordTest, FieldsAndTexts) {
    CareerRecord record = Read({.year = 1943, .monthIndex = 8, .dayIndex = 2});
    EXPECT_EQ(record.Day(), 3);
    EXPECT_EQ(record.Month(), 9);
    EXPECT_EQ(record.Year(), 1943);
    EXPECT_EQ(record.PackedDate(), 0x02'08'0797u) << "year low, month index, day index high";
    EXPECT_EQ(record.NamePart1(), "Hans");
    EXPECT_EQ(record.NamePart2(), "Meyer");
    EXPECT_EQ(CareerDateText(record), "3 September, 1943");
    EXPECT_EQ(CareerNameText(record), "Meyer, Hans");
    EXPECT_EQ(CareerLineText(record), "3 September, 1943  Meyer, Hans");
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(CareerRecordTest, HighBitsAndOutOfRangeValues) {
    EXPECT_EQ(CareerDateText(Read({.monthIndex = 0x0B, .dayIndex = 0x00})), "1 December, 1943");
    EXPECT_EQ(CareerDateText(Read({.monthIndex = 0x0C, .dayIndex = 0xFF})), "128 Month, 1943");
    EXPECT_EQ(CareerDateText(Read({.year = 65535, .monthIndex = 0x80})), "1 January, 65535");
    EXPECT_EQ(Read({.monthIndex = 0xFF}).Month(), 128);
    EXPECT_STREQ(MonthName(0), "Month");
    EXPECT_STREQ(MonthName(13), "Month");
}

TEST_F(CareerRecordTest, NamesAreCutAtTheirFieldEvenWithoutNul) {
    const std::string full(80, 'x');
    CareerRecord record = Read({.name1 = full, .name2 = std::string(90, 'y')});
    EXPECT_EQ(record.NamePart1(), full);
    EXPECT_EQ(record.NamePart2(), std::string(80, 'y'));
}

TEST_F(CareerRecordTest, NamesInTheGamesCodePageBecomeUtf8) {
    // "Müller" and "Ærø €" as the game writes them in Windows-1252.
    CareerRecord record = Read({.name1 = "\xC6r\xF8 \x80", .name2 = "M\xFCller"});
    EXPECT_EQ(CareerNameText(record), "M\u00FCller, \u00C6r\u00F8 \u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x8D\x9F\xFF"), "\u008D\u0178\u00FF");
}

TEST_F(CareerRecordTest, BytesBeyondTheEndOfAShortFileReadAsZero) {
    // Year complete, month and day missing, names missing.
    CareerRecord record = Read({.year = 1944, .monthIndex = 6, .dayIndex = 9}, 0x220B3);
    EXPECT_EQ(CareerLineText(record), "1 January, 1944  , ");
    // The first name cut after four bytes, the second missing.
    record = Read({.monthIndex = 6, .name1 = "Hanselmann"}, 0x22F15);
    EXPECT_EQ(CareerLineText(record), "1 July, 1943  , Hans");
    // Nothing at all.
    record = Read({}, 0);
    EXPECT_EQ(record.PackedDate(), 0u);
    EXPECT_EQ(CareerLineText(record), "1 January, 0  , ");
}

TEST_F(CareerRecordTest, FailedOpenIsReportedAndKeepsTheRecord) {
    CareerRecord record = Read({.monthIndex = 3});
    const std::string before = record.FilePath();
    const std::string missing = g.Game() + "Savedata/GONE.SVE";

    EXPECT_FALSE(record.ReadCareerFile(missing, g.ui));

    EXPECT_EQ(g.ui.messages, std::vector<std::string>{"error Harbinet Error: Open of file " +
                                                      missing + " failed (error = 0x2)"});
    EXPECT_EQ(record.FilePath(), before);
    EXPECT_EQ(record.Month(), 4);
    EXPECT_EQ(record.NamePart1(), "Hans");
}

TEST_F(CareerRecordTest, AccessDeniedIsSilent) {
    const std::string path = g.AddCareer("LOCKED.SVE", {});
    ::chmod(path.c_str(), 0);
    // Root reads any file, so the read runs in a child without privileges.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && ::setuid(65534) != 0) ::_exit(3);
        RecordingServices ui;
        CareerRecord record;
        const bool read = record.ReadCareerFile(path, ui);
        ::_exit(read ? 1 : !ui.messages.empty() ? 2 : record.FilePath().empty() ? 0 : 4);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "1: read, 2: reported, 3: no user to drop to";
}

TEST(CareerListing, MissingOrEmptySavedataGivesNothing) {
    GameFolder g;
    EXPECT_TRUE(ListCareerFiles(g.Game()).empty());
    MakeFolder(g.Game() + "Savedata/");
    WriteFile(g.Game() + "Savedata/NOTES.TXT", "");
    EXPECT_TRUE(ListCareerFiles(g.Game()).empty());
}

TEST(CareerListing, FolderNameAndPatternIgnoreCaseFoldersAreSkipped) {
    GameFolder g;
    const std::string folder = g.Game() + "SAVEDATA/";
    WriteFile(folder + "b.sve", "");
    WriteFile(folder + "A.SVE", "");
    WriteFile(folder + "C.SVE.BAK", "");
    MakeFolder(folder + "D.SVE");
    ASSERT_TRUE(SetWriteTime(folder + "b.sve", 1000, 5));

    const auto careers = ListCareerFiles(g.Game());

    ASSERT_EQ(careers.size(), 2u);
    EXPECT_EQ(careers[0].path, folder + "A.SVE");
    EXPECT_EQ(careers[1].path, folder + "b.sve");
    EXPECT_EQ(careers[1].lastWrite, 1000'000'000'005);
}

}  // namespace
}  // namespace harbinet::test
