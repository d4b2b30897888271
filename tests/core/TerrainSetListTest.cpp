// The list of terrain sets, its folders and its refused names, in real folders.
#include <gtest/gtest.h>

#include "platform/Profile.h"
#include "support/GameFolder.h"
#include "terrain/TerrainSetList.h"

namespace harbinet::test {
namespace {

class TerrainSetListTest : public ::testing::Test {
  protected:
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();
    TerrainSetList list{*state};

    void Settings(const std::string& sets) {
        WriteFile(g.Settings(), "[Harbinet]\nTerrainSet=2\n[TerrainSets]\n" + sets);
    }
    // The slot the set went into; 0 when it was refused.
    unsigned Add(const char* name, bool seasons, bool objectsLow) {
        unsigned slot = 0;
        const Result added = list.Add(name, seasons, objectsLow, slot);
        EXPECT_EQ(added.Ok(), slot != 0) << added.Message();
        return slot;
    }
    bool Delete(unsigned slot) {
        const auto row = list.Row(slot);
        return row && !list.Delete(*row).failed;
    }
};

TEST_F(TerrainSetListTest, AddTakesTheFirstFreeSlotAndMakesTheFoldersReusingAnyLetterCase) {
    Settings("Terrain1=Channel Front\nTerrain2=\nSeasons2=0\nTerrain3=Med\n");
    MakeFolder(state->TerrainFolder + "pacific/Winter");
    EXPECT_EQ(Add("  Pacific ", true, false), 2u);
    EXPECT_EQ(Add("Desert", false, true), 4u);
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain2", "Seasons2", "ObjectsLow2"}), "Pacific|1|0|");
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain4", "Seasons4", "ObjectsLow4"}), "Desert|0|1|");
    EXPECT_EQ(ListFolder(state->TerrainFolder), "Desert/ pacific/");
    EXPECT_EQ(ListFolder(state->TerrainFolder + "pacific"), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(ListFolder(state->SkinsFolder + "Pacific"), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(ListFolder(state->SkinsFolder + "Desert"), "");
    EXPECT_EQ(ListFolder(state->CommonFolder + "Pacific"), "");
    EXPECT_EQ(ListFolder(state->CommonFolder), "Desert/ Pacific/");

    ASSERT_TRUE(list.Modify(4, true, false));
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain4", "Seasons4", "ObjectsLow4"}), "Desert|1|0|");
    EXPECT_EQ(ListFolder(state->SkinsFolder + "Desert"), "Autumn/ Spring/ Summer/ Winter/");
    EXPECT_EQ(ListFolder(state->CommonFolder + "Desert"), "");
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{});

    for (unsigned n = 5; n <= 25; ++n) Add(("Set " + std::to_string(n)).c_str(), false, false);
    unsigned slot = 0;
    EXPECT_EQ(list.Add("One too many", false, false, slot).Message(),
              "All 25 terrain sets are in use: delete one before adding another");
}

// Deleting the active set (2) gives the game back its default terrain first, so that the
// settings never name a set that is gone; deleting another leaves the game folder alone.
TEST_F(TerrainSetListTest, DeleteFreesTheSlotAndTheChoicesKeepsFoldersAndLeavesNoActiveSetBehind) {
    Settings("Terrain1=Channel Front\nTerrain2=Pacific\nSeasons2=1\nObjectsLow2=1\nTerrain3=Med\n");
    profile::WriteString(g.Settings(), "Harbinet", "TerrainFiles", "*.TER");
    WriteFile(g.Game() + "MAP.TER", "installed");
    WriteFile(state->TerrainFolder + "Pacific/Spring/MAP.TER", "map");
    WriteFile(state->SkinCatalogueFolder + "PACIFIC.DAT", "choices");
    const std::string asked = "Do you really want to delete the ";
    EXPECT_EQ(list.DeleteQuestion(*list.Row(3)), asked + "Med Terrain Set?");
    ASSERT_TRUE(Delete(3));
    EXPECT_EQ(ReadFile(g.Game() + "MAP.TER"), "installed");

    EXPECT_EQ(list.DeleteQuestion(*list.Row(2)),
              asked +
                  "Pacific Terrain Set?\n(It is the active Terrain Set: EAW goes back to its "
                  "Default Terrain first.)");
    ASSERT_TRUE(Delete(2));
    EXPECT_EQ(g.Values("TerrainSets", {"Terrain2", "Seasons2", "ObjectsLow2"}), "|0|0|");
    EXPECT_NE(ReadFile(g.Settings()).find("Terrain2=\n"), std::string::npos);
    EXPECT_FALSE(Exists(state->SkinCatalogueFolder + "PACIFIC.DAT"));
    EXPECT_EQ(ReadFile(state->TerrainFolder + "Pacific/Spring/MAP.TER"), "map");
    EXPECT_EQ(state->settings.ActiveSet(), 0u);
    EXPECT_FALSE(Exists(g.Game() + "MAP.TER"));
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{});
    EXPECT_EQ(Add("Burma", false, false), 2u);
}

// Unsafe names read from the settings file are kept, but deleting their set touches no file
// that might not be its own.
TEST_F(TerrainSetListTest, DeletingASetWithAnUnsafeNameLeavesEveryFile) {
    Settings("Terrain1=../Harbinet\nTerrain2=7\nTerrain3=Dup\nTerrain4=DUP\n");
    const std::string files[] = {g.Own() + "Harbinet.DAT", state->SkinCatalogueFolder + "7.DAT",
                                 state->SkinCatalogueFolder + "Dup.DAT"};
    for (const auto& file : files) WriteFile(file, "keep");
    for (unsigned n : {1u, 2u, 3u}) EXPECT_TRUE(Delete(n));
    for (const auto& file : files) EXPECT_TRUE(Exists(file)) << file;
    EXPECT_EQ(list.Rows().size(), 1u);
}

TEST_F(TerrainSetListTest, TypedNamesThatCannotNameASetAreRefused) {
    Settings("Terrain1=Channel Front\n");
    const std::string before = ReadFile(g.Settings());
    const char* refused[] = {"",   "  ",   "a/b",           "a\\b",          ".",
                             "..", "a\tb", "channel FRONT", " Channel Front"};
    for (const char* name : refused) {
        EXPECT_NE(list.RefusalOf(name), "") << name;
        EXPECT_EQ(Add(name, true, true), 0u) << name;
    }
    EXPECT_NE(list.RefusalOf(std::string(61, 'x')), "");
    EXPECT_EQ(list.RefusalOf(std::string(60, 'x')), "");
    EXPECT_EQ(list.RefusalOf("Ärmelkanal 1940") + list.RefusalOf("1940"), "");
    EXPECT_EQ(ReadFile(g.Settings()), before);
    EXPECT_EQ(ListFolder(g.Own()), "harbinet.INI");
}

}  // namespace
}  // namespace harbinet::test
