#include "terrain/TerrainEngine.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/TempDir.h"

namespace harbinet::terrain {
namespace {

using namespace test;

class TerrainEngineTest : public ::testing::Test {
  protected:
    TempDir dir;
    std::string store = dir / "store/";
    std::string game = dir / "game/";
    void SetUp() override {
        MakeFolder(store);
        MakeFolder(game);
    }
};

TEST_F(TerrainEngineTest, CopyReplacesMatchingFilesAndLeavesOthers) {
    for (const char* name : {"A.TER", "b.ter", "GRAS1.TPC"}) WriteFile(store + name, name);
    WriteFile(game + "A.TER", "old a");
    WriteFile(game + "STALE.TER", "from an earlier set");
    WriteFile(game + "EAW.INI", "keep");

    CopyMatchingFiles(store, game, "*.TER");

    EXPECT_EQ(ListFolder(game), "A.TER EAW.INI b.ter");
    EXPECT_EQ(ReadFile(game + "A.TER") + " " + ReadFile(game + "b.ter"), "A.TER b.ter");
    EXPECT_EQ(ListFolder(store), "A.TER GRAS1.TPC b.ter") << "the store keeps its files";
}

TEST_F(TerrainEngineTest, EmptySourceStillClearsTheTargetButAnEmptyPatternMatchesNothing) {
    WriteFile(game + "X.TER", "x");
    CopyMatchingFiles(dir / "missing/", game, "");
    EXPECT_TRUE(Exists(game + "X.TER"));
    CopyMatchingFiles(dir / "missing/", game, "*.TER");
    EXPECT_FALSE(Exists(game + "X.TER"));
}

// What cannot be replaced stays, also when its name differs in letter case (no twin appears
// beside it), and the store files that could not be copied are named.
TEST_F(TerrainEngineTest, ReadOnlyFilesAndFoldersStayAndFailedCopiesAreNamed) {
    WriteFile(store + "A.TER", "new");
    WriteFile(store + "B.TER", "new");
    ::chmod(WriteFile(game + "A.TER", "protected").c_str(), 0444);
    ::chmod(WriteFile(game + "b.ter", "protected too").c_str(), 0444);
    ::chmod(WriteFile(game + "C.TER", "protected as well").c_str(), 0444);
    MakeFolder(store + "SUB.TER");
    MakeFolder(game + "KEEP.TER");

    EXPECT_EQ(CopyMatchingFiles(store, game, "*.TER"),
              (std::vector<std::string>{store + "A.TER", store + "B.TER"}));

    EXPECT_EQ(ListFolder(game), "A.TER C.TER KEEP.TER/ b.ter");
    EXPECT_EQ(ReadFile(game + "A.TER"), "protected");
}

// A copy over an installed one keeps what is already a copy of the same file (it stays) and
// ends as delete-then-copy would: a file with another time, mode, spelling or source, or a
// link, is replaced.
TEST_F(TerrainEngineTest, CopyOverAnInstalledCopyKeepsCurrentFilesAndReplacesTheRest) {
    const char* names[] = {"SAME.TER", "TIME.TER", "MODE.TER", "CASE.TER", "LINK.TER"};
    for (const char* name : names) WriteFile(store + name, "new");
    CopyMatchingFiles(store, game, "*.TER");
    struct stat before, after;
    ::stat((game + "SAME.TER").c_str(), &before);
    SetWriteTime(WriteFile(game + "TIME.TER", "old"), 1000000);
    ::chmod((game + "MODE.TER").c_str(), 0600);
    ::rename((game + "CASE.TER").c_str(), (game + "case.ter").c_str());
    ::unlink((game + "LINK.TER").c_str());
    ASSERT_EQ(::symlink((store + "LINK.TER").c_str(), (game + "LINK.TER").c_str()), 0);

    EXPECT_TRUE(CopyMatchingFiles(store, game, "*.TER").empty());

    EXPECT_EQ(ListFolder(game), "CASE.TER LINK.TER MODE.TER SAME.TER TIME.TER");
    ::stat((game + "SAME.TER").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino) << "a current copy is not copied again";
    for (const char* name : names) {
        ::lstat((game + name).c_str(), &after);
        ::stat((store + name).c_str(), &before);
        EXPECT_TRUE(S_ISREG(after.st_mode) && after.st_mode == before.st_mode &&
                    after.st_mtim.tv_sec == before.st_mtim.tv_sec &&
                    after.st_mtim.tv_nsec == before.st_mtim.tv_nsec &&
                    ReadFile(game + name) == "new")
            << name;
    }

    // Another season's file of the same name, size and time is still copied.
    ::stat((store + "SAME.TER").c_str(), &before);
    const std::string other = dir / "other/";
    ASSERT_TRUE(SetWriteTime(WriteFile(other + "SAME.TER", "old"), before.st_mtim.tv_sec,
                             before.st_mtim.tv_nsec));
    CopyMatchingFiles(other, game, "SAME.TER");
    EXPECT_EQ(ReadFile(game + "SAME.TER"), "old");
}

// Whatever the pattern, the game keeps its own files, and a folder copied onto itself (by a
// link here) keeps the files the delete-then-copy would otherwise delete.
TEST_F(TerrainEngineTest, TheGameItselfAndAFolderCopiedOntoItselfAreNeverTouched) {
    for (const char* name : {"EAW.EXE", "eaw.ini", "DSOUND.DLL", "MAP.TER"})
        WriteFile(game + name, "game");
    WriteFile(store + "EAW.EXE", "store");
    WriteFile(store + "NEW.DLL", "store");
    CopyMatchingFiles(store, game, "*");
    DeleteMatchingFiles(game, "*.*");
    EXPECT_EQ(ListFolder(game), "DSOUND.DLL EAW.EXE eaw.ini");
    EXPECT_EQ(ReadFile(game + "EAW.EXE"), "game");

    WriteFile(game + "MAP.TER", "kept");
    ASSERT_EQ(::symlink(game.c_str(), (dir / "link").c_str()), 0);
    CopyMatchingFiles(dir / "link/", game, "*.TER");
    EXPECT_EQ(ReadFile(game + "MAP.TER"), "kept");
}

// An empty piece is passed on, and then matches nothing: "*.TER," works as "*.TER".
TEST(ForEachPattern, SplitsAtEveryCommaWithoutTrimming) {
    const std::pair<const char*, const char*> cases[] = {{"*.TER,GRAS*.TPC", "*.TER|GRAS*.TPC|"},
                                                         {"*.TER, GRAS*.TPC", "*.TER| GRAS*.TPC|"},
                                                         {"*.TER,", "*.TER||"},
                                                         {"a,,b", "a||b|"},
                                                         {"", "|"}};
    for (const auto& [list, pieces] : cases) {
        std::string out;
        ForEachPattern(list, [&](std::string_view p) { out += std::string(p) + "|"; });
        EXPECT_EQ(out, pieces) << list;
    }
}

}  // namespace
}  // namespace harbinet::terrain
