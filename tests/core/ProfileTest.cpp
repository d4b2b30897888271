#include "platform/Profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>
#include <vector>

#include "support/TempDir.h"

namespace harbinet::profile {
namespace {

using namespace std::string_literals;

TEST(Profile, ReadGivesTheWindowsValue) {
    // A name, the text, the section, key and default asked for, the size, the value read.
    const std::tuple<const char*, std::string, const char*, const char*, const char*, std::size_t,
                     const char*>
        cases[] = {
            {"LoneCr", "[A]\rX=0\rK=1\r", "A", "K", "d", 256, "1"},
            {"Bom", "\xEF\xBB\xBF[A]\nK=1\n", "A", "K", "d", 256, "1"},
            {"BlanksTrimmed", " \t[A]\x1A\n\x0B K \t=\t v w \x1A\r\n", "A", "K", "d", 256, "v w"},
            {"SpacedHeader", "[ Spaced ]\nK=1\n", "spaced", "K", "d", 256, "1"},
            {"LastBracket", "[Trail] ; x]\nK=1\n", "Trail] ; x", "K", "d", 256, "1"},
            {"UnclosedBracketIsALine", "[A]\n[B\nK=1\n", "A", "K", "d", 256, "1"},
            {"FirstEquals", "[A]\nK==v\n", "A", "K", "d", 256, "=v"},
            {"InnerBlanks", "[A]\nMy  Key = 1\n", "A", " my  key ", "d", 256, "1"},
            {"Comment", "[A]\n ;K=1\n", "A", ";K", "d", 256, "d"},
            {"HashIsNoComment", "[A]\n#K=1\n", "A", "#K", "d", 256, "1"},
            {"NoEndComment", "[A]\nK=v ; x\n", "A", "K", "d", 256, "v ; x"},
            {"NoEquals", "[A]\nK\n", "A", "K", "d", 256, "d"},
            {"EmptyValue", "[A]\nK=\n", "A", "K", "d", 256, ""},
            {"Quoted", "[A]\nK=\"a\" b \"c\"\n", "A", "K", "d", 256, "a\" b \"c"},
            {"LoneQuote", "[A]\nK=\"\n", "A", "K", "d", 256, "\""},
            {"FirstKeyWins", "[A]\nK=1\nk=2\n", "A", "K", "d", 256, "1"},
            {"FirstSectionOnly", "[A]\nX=1\n[a]\nK=2\n", "A", "K", "d", 256, "d"},
            {"NotBeforeFirstSection", "K=1\n[A]\n", "A", "K", "d", 256, "d"},
            {"NulBytesBeforeSection", "\0\0K=\0\n[A]\nK=1\n"s, "A", "K", "d", 256, "1"},
            {"DefaultTrailingSpaces", "", "A", "K", "  d  ", 256, "  d"},
            {"DefaultUnquoted", "", "A", "K", "\"d\"  ", 256, "d"},
            {"Cut", "[A]\nK=abcdef\n", "A", "K", "d", 4, "abc"},
            {"SizeZero", "[A]\nK=abc\n", "A", "K", "d", 0, ""}};
    for (const auto& [name, text, section, key, def, size, expected] : cases)
        EXPECT_EQ(GetStringFromText(text, section, key, def, size), expected) << name;
}

TEST(Profile, GetIntParsesLikeWindows) {
    // Numbers wrap, only decimal digits count, an empty value gives the default (99).
    const char* values[] = {"12abc",      "3.9",  "1,000", "4 2", "\"12\"", "\" +7\"", "-17",
                            "4294967297", "0x10", "abc",   "-",   "+-1",    "",        "\"\""};
    const std::uint32_t expected[] = {12, 3, 1, 4, 12, 7, 4294967279u, 1, 0, 0, 0, 0, 99, 99};
    for (std::size_t i = 0; i < std::size(values); ++i)
        EXPECT_EQ(GetIntFromText("[A]\nK=" + std::string(values[i]) + "\n", "a", "k", 99),
                  expected[i])
            << values[i];
    EXPECT_EQ(GetIntFromText("[A]\n", "A", "K", -1), 0xFFFFFFFFu);
}

TEST(Profile, WriteChangesOnlyWhatItMust) {
    // A name, the text before, the section, key and value written, the text after.
    const std::tuple<const char*, std::string, const char*, const char*, const char*, std::string>
        cases[] = {
            {"NewFile", "", " S ", " K ", "  v ", "[S]\r\nK=v \r\n"},
            {"NewSectionAppended", "[A]\r\nX=1\r\n", "B", "K", "v", "[A]\r\nX=1\r\n[B]\r\nK=v\r\n"},
            {"NewKeyAfterLastEntry", "[A]\r\nX=1\r\n; note\r\n\r\n[B]\r\n", "a", "K", "v",
             "[A]\r\nX=1\r\n; note\r\nK=v\r\n\r\n[B]\r\n"},
            {"NewKeyNoFinalNewline", "[A]\r\nX=1", "A", "K", "v", "[A]\r\nX=1\r\nK=v"},
            {"NewKeyInEmptySection", "[A]\n\n[B]\n", "A", "K", "v", "[A]\nK=v\n\n[B]\n"},
            {"NewKeyInFirstOfDuplicates", "[A]\nX=1\n[A]\nK=2\n", "A", "K", "v",
             "[A]\nX=1\nK=v\n[A]\nK=2\n"},
            {"SpellingKept", "[Game]\r\n Pilot = Old  \r\nX=1\r\n", "GAME", "PILOT", "New",
             "[Game]\r\n Pilot = New\r\nX=1\r\n"},
            {"FirstKeyReplaced", "[A]\nK=1\nK=2\n", "A", "K", "3", "[A]\nK=3\nK=2\n"},
            {"QuotesAreRawText", "[A]\nK=\"v\"\n", "A", "K", "v", "[A]\nK=v\n"},
            {"SameValueUntouched", "[A]\nK = v \n", "A", "K", " v", "[A]\nK = v \n"},
            {"BomKept", "\xEF\xBB\xBF[A]\r\nK=1\r\n", "A", "K", "2", "\xEF\xBB\xBF[A]\r\nK=2\r\n"},
            {"NulPreambleKept", "\0x\0\r\n[A]\r\nK=1\r\n"s, "A", "K", "2",
             "\0x\0\r\n[A]\r\nK=2\r\n"s},
            {"LineBreakRefused", "[A]\n", "A", "K", "a\n[B]", "[A]\n"},
            {"EqualsInKeyRefused", "[A]\n", "A", "K=X", "v", "[A]\n"}};
    // That a value written reads back, and leaves the other keys as they read, the profile
    // fuzz harness checks on any text.
    for (const auto& [name, before, section, key, value, after] : cases)
        EXPECT_EQ(WriteStringToText(before, section, key, value), after) << name;
}

// Runs a check as an unprivileged user when we are root, since root ignores permission bits.
int AsUser(const std::function<int()>& check) {
    if (::geteuid() != 0) return check();
    pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(99);
        ::_exit(check());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

struct stat StatOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st;
}

class ProfileFile : public testing::Test {
  protected:
    void SetUp() override { ::chmod(dir.Path().c_str(), 0777); }
    test::TempDir dir;
    std::string ini = dir / "EAW.INI";
};

TEST_F(ProfileFile, WriteCreatesTheFileButNotItsFolderAndLeavesItAloneForTheSameValue) {
    EXPECT_EQ(GetInt(dir / "no/such.ini", "A", "K", 7), 7u);
    EXPECT_FALSE(WriteString(dir / "no/such.ini", "A", "K", "v"));
    EXPECT_FALSE(WriteString(dir.Path(), "A", "K", "v"));  // a folder
    ASSERT_TRUE(WriteString(ini, "Game", "Pilot", "Nowotny"));
    EXPECT_EQ(test::ReadFile(ini), "[Game]\r\nPilot=Nowotny\r\n");
    EXPECT_EQ(GetString(ini, "game", "pilot", "", 5), "Nowo");

    const struct stat before = StatOf(ini);
    ASSERT_TRUE(WriteString(ini, "GAME", "PILOT", "Nowotny"));
    EXPECT_EQ(StatOf(ini).st_ino, before.st_ino);
    EXPECT_EQ(StatOf(ini).st_mtim.tv_nsec, before.st_mtim.tv_nsec);
}

// A file that exists but cannot be read is neither read nor replaced.
TEST_F(ProfileFile, UnreadableFileIsNeitherReadNorReplaced) {
    test::WriteFile(ini, "[A]\nK=1\n");
    ::chmod(ini.c_str(), 0200);
    EXPECT_EQ(
        AsUser([&] {
            return GetString(ini, "A", "K", "d") == "d" && !WriteString(ini, "A", "K", "2") ? 0 : 1;
        }),
        0);
    ::chmod(ini.c_str(), 0644);
    EXPECT_EQ(test::ReadFile(ini), "[A]\nK=1\n");

    // A pipe would block and a huge file fill the memory.
    const std::string pipe = dir / "PIPE.INI",
                      huge = test::WriteFile(dir / "HUGE.INI", "[A]\nK=1\n");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
    ASSERT_EQ(::truncate(huge.c_str(), static_cast<off_t>(kMaxFileSize + 1)), 0);
    for (const std::string& file : {pipe, huge}) {
        EXPECT_EQ(GetString(file, "A", "K", "d"), "d") << file;
        EXPECT_FALSE(WriteString(file, "A", "K", "2")) << file;
    }
    EXPECT_EQ(StatOf(huge).st_size, static_cast<off_t>(kMaxFileSize + 1));
}

TEST_F(ProfileFile, WritersOfDifferentKeysAtOnceKeepThemAll) {
    constexpr int kWriters = 8, kKeys = 25;
    std::vector<pid_t> writers;
    for (int w = 0; w < kWriters; ++w) {
        if (const pid_t pid = ::fork(); pid != 0) {
            writers.push_back(pid);
            continue;
        }
        bool ok = true;
        for (int k = w * kKeys; k < (w + 1) * kKeys; ++k)
            ok = WriteString(ini, "A", "K" + std::to_string(k), "v") && ok;
        ::_exit(ok ? 0 : 1);
    }
    for (const pid_t pid : writers) {
        int status = -1;
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(status, 0);
    }
    int lost = 0;
    for (int k = 0; k < kWriters * kKeys; ++k)
        lost += GetString(ini, "A", "K" + std::to_string(k), "lost") == "lost";
    EXPECT_EQ(lost, 0);
}

}  // namespace
}  // namespace harbinet::profile
