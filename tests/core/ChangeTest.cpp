// The change of a game folder: what may be deleted, what is kept for the player, when a copy
// is current. A change cut short and finished by the next start is the kill points' to check
// (bench/kill-points.sh), on every operation at each of its deletes and renames.
#include "change/Change.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "support/GameFolder.h"
#include "terrain/TerrainEngine.h"

namespace harbinet::test {
namespace {

class ChangeTest : public ::testing::Test {
  protected:
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();
    const std::string game = g.Game();
    const std::string spring = g.Own() + "Terrain/S/Spring/",
                      summer = g.Own() + "Terrain/S/Summer/";

    ChangeResult Copy(const std::string& source, std::string_view list = "*.TER") {
        return RunChange(*state, "test",
                         [&](Planner& plan) { plan.CopyMatchingList(source, game, list); });
    }
};

// The player's files leave the game folder only into the kept files; Harbinet's own copies
// (proven by the record of copies, or by a store file with the same bytes) simply go. What
// cannot be removed (read-only, a folder, the game itself) stays.
TEST_F(ChangeTest, OnlyHarbinetsCopiesAreDeletedAndThePlayersFilesAreKept) {
    WriteFile(summer + "A.TER", "a summer");
    // A read-only store: its copy is writable, so that the next change can replace it.
    ::chmod(WriteFile(summer + "C.TER", "c summer").c_str(), 0444);
    ASSERT_FALSE(Copy(summer).failed);
    WriteFile(spring + "A.TER", "a spring");
    WriteFile(spring + "B.TER", "b spring");
    WriteFile(g.Own() + "Terrain/Other/TWIN.TER", "twin");
    WriteFile(game + "B.TER", "the player's b");
    WriteFile(game + "MINE.TER", "the player's own");
    WriteFile(game + "TWIN.TER", "twin");  // not installed by Harbinet, but in a store
    ::chmod(WriteFile(game + "RO.TER", "read-only").c_str(), 0444);
    MakeFolder(game + "DIR.TER");

    const ChangeResult result = Copy(spring);

    EXPECT_TRUE(result.messages.empty()) << result.messages.front();
    EXPECT_EQ(ListFolder(game), "A.TER B.TER DIR.TER/ EAW.EXE EAW.INI Harbinet/ RO.TER");
    EXPECT_EQ(ReadFile(game + "A.TER") + ", " + ReadFile(game + "B.TER"), "a spring, b spring");
    EXPECT_EQ(KeptFiles(g), "B.TER=the player's b MINE.TER=the player's own");
    EXPECT_EQ(ListFolder(summer), "A.TER C.TER") << "the store keeps its files";
    EXPECT_FALSE(Exists(JournalPath(*state))) << "a change that ended leaves no journal";
}

// A copy is kept in place only while neither it nor its store file has been written since it
// was made, whatever their times, sizes and modes say. Bytes found nowhere else are kept.
TEST(ChangeCopies, AKeptCopyIsProvablyCurrent) {
    // The store file or the game's copy rewritten in place, or another season's file copied over
    // the game's, the time put back each time; what the player wrote must be among the kept files.
    const std::tuple<bool, const char*, const char*> cases[] = {
        {true, "SPRING!", "MAP.TER=spring!"},
        {false, "edited!", "MAP.TER=edited!"},
        {false, nullptr, ""}};
    for (const auto& [inStore, bytes, kept] : cases) {
        GameFolder g;
        auto state = g.MakeState();
        const std::string store = WriteFile(g.Own() + "Terrain/S/Spring/MAP.TER", "spring!");
        const std::string other = WriteFile(g.Own() + "Terrain/S/Summer/MAP.TER", "summer!");
        const std::string target = inStore ? store : g.Game() + "MAP.TER";
        const auto install = [&] {
            return RunChange(*state, "refresh", [&](Planner& plan) {
                plan.CopyMatchingFiles(g.Own() + "Terrain/S/Spring/", g.Game(), "*.TER");
            });
        };
        install();
        // Same size, same times: only the bytes tell these apart.
        const files::FileTime written = files::Stamp(target).lastWrite;
        if (bytes)
            std::fstream(target, std::ios::in | std::ios::out | std::ios::binary) << bytes;
        else
            files::CopyFile(other, target);
        SetWriteTime(target, written / 1'000'000'000, static_cast<long>(written % 1'000'000'000));
        EXPECT_FALSE(install().failed) << kept;
        EXPECT_EQ(ReadFile(g.Game() + "MAP.TER"), ReadFile(store)) << kept;
        EXPECT_EQ(KeptFiles(g), kept);
    }
}

// Two Harbinet folders serving one game change it one at a time.
TEST_F(ChangeTest, TheChangeLockBelongsToTheGameFolder) {
    const Folders copy = Folders::FromExecutable(g.Game() + "Copy/harbinet");
    ProgramState other(copy, g.ui, g.desktop);
    other.changeLockWait = std::chrono::milliseconds(0);
    const ChangeLockHold held(*state, std::chrono::milliseconds(0));
    ASSERT_TRUE(held.Held());
    const ChangeResult result =
        RunChange(other, "test", [&](Planner& plan) { plan.MakeFolder(g.Game() + "Copy/Made/"); });
    EXPECT_TRUE(result.refused);
    EXPECT_EQ(result.messages, std::vector<std::string>{text::kChangeUnderWay});
    EXPECT_FALSE(Exists(g.Game() + "Copy/Made"));
}

TEST(PatternLists, ThoseThatWouldTakeEveryFileAreTold) {
    for (const char* list : {"*", "*.*", "*.", "?*", "*.?*", "*.TER,*", "* ", "**"})
        EXPECT_TRUE(terrain::TakesEveryFile(list)) << list;
    for (const char* list : {"", "*.TER,GRAS*.TPC", "?", "??.?", "A*", ",,", "*.TER,"})
        EXPECT_FALSE(terrain::TakesEveryFile(list)) << list;
}

}  // namespace
}  // namespace harbinet::test
