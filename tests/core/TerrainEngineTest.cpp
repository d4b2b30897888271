#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "terrain/TerrainEngine.h"
#include "support/TempDir.h"

namespace harbinet::terrain {
namespace {

using test::Exists;
using test::ListFolder;
using test::ReadFile;
using test::WriteFile;

class TerrainEngineTest : public ::testing::Test {
protected:
    test::TempDir dir;
    std::string store = dir / "store/";
    std::string game = dir / "game/";
    void SetUp() override {
        test::MakeFolder(store);
        test::MakeFolder(game);
    }
};

TEST_F(TerrainEngineTest, CopyReplacesMatchingFilesAndLeavesOthers) {
    WriteFile(store + "A.TER", "new a");
    WriteFile(store + "b.ter", "new b");
    WriteFile(store + "GRAS1.TPC", "grass");
    WriteFile(game + "A.TER", "old a");
    WriteFile(game + "STALE.TER", "from an earlier set");
    WriteFile(game + "EAW.INI", "keep");

    CopyMatchingFiles(store, game, "*.TER");

    EXPECT_EQ(ListFolder(game), "A.TER EAW.INI b.ter");
    EXPECT_EQ(ReadFile(game + "A.TER"), "new a");
    EXPECT_EQ(ReadFile(game + "b.ter"), "new b");
    EXPECT_EQ(ReadFile(store + "A.TER"), "new a") << "the store keeps its files";
}

TEST_F(TerrainEngineTest, EmptySourceStillClearsTheTarget) {
    WriteFile(game + "X.TER", "x");
    CopyMatchingFiles(dir / "missing/", game, "*.TER");
    EXPECT_FALSE(Exists(game + "X.TER"));
}

TEST_F(TerrainEngineTest, AbsentPatternMeansTerrainFilesAndEmptyPatternMeansNothing) {
    WriteFile(game + "X.TER", "x");
    WriteFile(game + "Y.TPC", "y");
    DeleteMatchingFiles(game, "");
    EXPECT_EQ(ListFolder(game), "X.TER Y.TPC");
    DeleteMatchingFiles(game);
    EXPECT_EQ(ListFolder(game), "Y.TPC");
}

TEST_F(TerrainEngineTest, FoldersAreNeverDeletedOrCopied) {
    test::MakeFolder(store + "SUB.TER");
    test::MakeFolder(game + "KEEP.TER");
    CopyMatchingFiles(store, game, "*.TER");
    EXPECT_EQ(ListFolder(game), "KEEP.TER/");
}

TEST_F(TerrainEngineTest, ReadOnlyTargetIsNeitherDeletedNorOverwritten) {
    WriteFile(store + "A.TER", "new");
    WriteFile(game + "A.TER", "protected");
    WriteFile(game + "B.TER", "protected too");
    ::chmod((game + "A.TER").c_str(), 0444);
    ::chmod((game + "B.TER").c_str(), 0444);

    CopyMatchingFiles(store, game, "*.TER");

    EXPECT_EQ(ReadFile(game + "A.TER"), "protected");
    EXPECT_EQ(ReadFile(game + "B.TER"), "protected too");
}

TEST_F(TerrainEngineTest, ReadOnlySourceGivesAReadOnlyCopyThatLaterCopiesCannotReplace) {
    WriteFile(store + "A.TER", "first");
    ::chmod((store + "A.TER").c_str(), 0444);
    CopyMatchingFiles(store, game, "*.TER");
    EXPECT_EQ(ReadFile(game + "A.TER"), "first");

    ::chmod((store + "A.TER").c_str(), 0644);
    WriteFile(store + "A.TER", "second");
    CopyMatchingFiles(store, game, "*.TER");
    EXPECT_EQ(ReadFile(game + "A.TER"), "first");
}

TEST(ForEachPattern, SplitsAtEveryCommaWithoutTrimming) {
    auto pieces = [](std::string_view list) {
        std::vector<std::string> out;
        ForEachPattern(list, [&](std::string_view p) { out.emplace_back(p); });
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(pieces("*.TER,GRAS*.TPC"), (V{"*.TER", "GRAS*.TPC"}));
    EXPECT_EQ(pieces("*.TER, GRAS*.TPC"), (V{"*.TER", " GRAS*.TPC"}));
    EXPECT_EQ(pieces("*.TER,"), (V{"*.TER", ""}));
    EXPECT_EQ(pieces("a,,b"), (V{"a", "", "b"}));
    EXPECT_EQ(pieces(""), (V{""}));
}

TEST_F(TerrainEngineTest, TrailingCommaBehavesLikeTheListWithoutIt) {
    WriteFile(store + "A.TER", "a");
    WriteFile(game + "Z.TER", "z");
    WriteFile(game + "Z.TPC", "tpc");
    ForEachPattern("*.TER,", [&](std::string_view p) { CopyMatchingFiles(store, game, p); });
    EXPECT_EQ(ListFolder(game), "A.TER Z.TPC");
}

}  // namespace
}  // namespace harbinet::terrain
