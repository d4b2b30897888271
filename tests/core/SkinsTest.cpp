// The skin catalogue and the skins of a terrain set, in real folders.
#include <gtest/gtest.h>

#include "skins/SeasonSkinChoices.h"
#include "skins/SkinCatalogue.h"
#include "support/GameFolder.h"

namespace harbinet::test {
namespace {

TEST(AircraftModelTable, CodesIgnoreCaseAndSkinFilesNameTheirModel) {
    const std::pair<const char*, const char*> names[] = {
        {"109e", "Bf 109E-4"}, {"B24A", "B-24D"}, {"B24D", ""}, {"", ""}, {"V1V1", "Fi 103 V-1"}};
    for (const auto& [code, name] : names) EXPECT_EQ(AircraftModelTable::DisplayNameOf(code), name);
    EXPECT_EQ(AircraftModelTable::CodeOfSkinFile("p109etex.tpc"), "109E");
    EXPECT_EQ(AircraftModelTable::CodeOfSkinFile("PXYZ1TEX.TPC"), "XYZ1");
}

class SkinsTest : public ::testing::Test {
  protected:
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();
    const std::string store = state->SkinCatalogueFolder;
    const std::string download = g.Game() + "download/";
    SkinCatalogue catalogue{store};

    void SetUp() override { MakeFolder(store); }
    void Record(unsigned n, const std::string& base, const std::string& model = "M") {
        WriteFile(store + std::to_string(n) + ".DAT",
                  "[Skin]\nBaseModel=" + base + "\nModel=" + model + "\nUnit=U\nYear=1941\n");
    }
    void Download(std::initializer_list<const char*> names) {
        for (const char* name : names) WriteFile(download + name, name);
    }
    unsigned Add(unsigned* stored = nullptr) {
        SkinRecord record;
        record.model = "Emil";
        record.unit = "JG 26";
        return catalogue.AddSkin(FindDownload(download + "P109ETEX.TPC"), record, "P*.TPC,*.3DZ",
                                 g.ui, stored);
    }
};

// Numbers are never given twice: gaps stay, and the count never goes down.
TEST_F(SkinsTest, AddingTakesTheDownloadApartUnderTheNextNumber) {
    WriteFile(store + "Skins.INI", "[Skins]\nSkinCount=5\n");
    for (unsigned n : {1u, 2u, 4u}) Record(n, "109E");
    Download({"P109ETEX.TPC", "P109ETXS.TPC", "p110ctxs.tpc", "P109E.3DZ", "readme.txt", "shot.gif",
              "other.TXT"});
    unsigned stored = 0;
    EXPECT_EQ(Add(&stored), 6u);
    EXPECT_EQ(stored, 4u);
    EXPECT_EQ(ListFolder(download), "readme.txt") << "the first text goes, the picture moves";
    for (const char* name : {"6_P109ETEX.TPC", "6_P109ETES.TPC", "6_p110ctxs.tpc", "6_P109E.3DZ"})
        EXPECT_TRUE(Exists(store + name)) << name;
    EXPECT_EQ(catalogue.FindPreview(6), store + "6.gif");
    EXPECT_EQ(catalogue.FindPreview(4), store + "NOIMAGE.GIF");
    EXPECT_EQ(catalogue.ReadRecord(6).baseModel, "109E");

    catalogue.DeleteSkin(6);
    EXPECT_EQ(ListFolder(store), "1.DAT 2.DAT 4.DAT Skins.INI");
    std::string numbers;
    for (const SkinRow& row : catalogue.ListSkins()) numbers += std::to_string(row.number);
    EXPECT_EQ(numbers, "124");
    EXPECT_EQ(catalogue.SkinCount(), 6u);
    EXPECT_TRUE(g.ui.messages.empty());
}

// A download file goes only once its copy is in the catalogue; the rest are named.
TEST_F(SkinsTest, AFileThatCannotBeStoredStaysInTheDownloadAndIsNamed) {
    Download({"P109ETEX.TPC", "P109E.3DZ", "a.jpg", "b.gif"});
    MakeFolder(store + "1_P109E.3DZ");
    unsigned stored = 0;
    Add(&stored);
    EXPECT_EQ(stored, 1u);
    EXPECT_EQ(ListFolder(download), "P109E.3DZ b.gif") << "the JPEG is the preview";
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{"error Harbinet Error: These files could "
                                                      "not be copied to " +
                                                      store + ":\n" + download + "P109E.3DZ"});
}

// Skins 2 and 5 are Emils, 3 a Gustav: clicks walk through the model's skins and the default.
TEST_F(SkinsTest, StepsThroughTheSkinsOfOneModel) {
    WriteFile(store + "Skins.INI", "[Skins]\nSkinCount=5\n");
    Record(2, "109E");
    Record(3, "109G");
    Record(5, "109e");
    std::string forward, back;
    for (unsigned n = 0, i = 0; i < 3; ++i)
        forward += std::to_string(n = catalogue.NextSkinOf("109E", n));
    for (unsigned n = 0, i = 0; i < 3; ++i)
        back += std::to_string(n = catalogue.PreviousSkinOf("109E", n));
    EXPECT_EQ(forward + " " + back, "250 520");
}

TEST_F(SkinsTest, BoardSlotsShowTheLogoASkinsDescriptionOrThatItIsGone) {
    WriteFile(store + "7.DAT",
              "[Skin]\nModel=Emil\nUnit=JG 26\nPilot=Galland\nLocation=Audembert\n");
    WriteFile(store + "7.jpg", "");
    const struct {
        unsigned n;
        const char* picture;
        const char* caption;
    } cases[] = {{0, "EAWLOGO.GIF", "Bf 109E-4"},
                 {7, "7.jpg", "Emil, JG 26\nGalland\nAudembert, "},
                 {8, "NOIMAGE.GIF", "Skin does not exist!"}};
    for (const auto& c : cases) {
        const SkinSlot slot = catalogue.SlotOf(16, c.n);
        EXPECT_EQ(slot.picture, store + c.picture);
        EXPECT_EQ(slot.caption, c.caption);
    }
}

TEST_F(SkinsTest, ChoicesFileReadsWhatItHoldsAndIsWrittenWhole) {
    std::string bytes(100, '\0');
    bytes[4] = 7;   // Spring, P-38H
    bytes[96] = 9;  // Spring, model 23: the last whole entry
    WriteFile(store + "A.DAT", bytes);
    SeasonSkinChoices choices;
    EXPECT_TRUE(choices.LoadChoices(store + "A.DAT", g.ui));
    EXPECT_EQ(choices.GetChoice(0, 0) + choices.GetChoice(0, 23) + choices.GetChoice(0, 24), 16u);
    choices.SetChoice(3, 29, 0x01020304);
    ASSERT_TRUE(choices.SaveChoices(g.ui));
    bytes = ReadFile(store + "A.DAT");
    ASSERT_EQ(bytes.size(), 484u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\1\0\0\0\7\0\0\0", 8));
    EXPECT_EQ(bytes.substr(480), "\4\3\2\1");

    WriteFile(store + "A.DAT", bytes + "tail");
    ASSERT_TRUE(choices.SaveChoices(g.ui));
    EXPECT_EQ(ReadFile(store + "A.DAT").substr(484), "tail") << "a longer file keeps its tail";
    EXPECT_FALSE(choices.LoadChoices(store + "missing.DAT", g.ui));
    EXPECT_TRUE(g.ui.messages.empty());
}

// Staging leaves exactly the chosen skins' files in each season folder, prefixes dropped.
TEST_F(SkinsTest, ConfirmingSavesAndStagesEverySeasonOfTheSet) {
    WriteFile(g.Settings(),
              "[Harbinet]\nSkinFiles=P*.TPC,*.3DZ\n[TerrainSets]\nTerrain1=Channel\n"
              "Seasons1=1\nTerrain2=Pacific\nTerrain3=1940\nTerrain4=../..\n");
    for (const char* name : {"1_P51DTEX.TPC", "11_P51DTEX.TPC", "11_P51D.3DZ", "1_P51D.3DZ"})
        WriteFile(store + name, name);
    const std::string spring = g.Own() + "Skins/Channel/Spring/";
    WriteFile(spring + "POLD.TPC", "an earlier choice");
    MakeFolder(g.Own() + "Skins/Channel/WINTER");

    SeasonSkinChoices choices;
    EXPECT_FALSE(choices.LoadChoices(*ChoicesFileOf(*state, 1), g.ui)) << "none yet";
    choices.SetChoice(0, 5, 1);   // Spring, P-51D
    choices.SetChoice(3, 5, 11);  // Winter
    ASSERT_TRUE(ConfirmTerrainSkins(*state, 1, choices));
    EXPECT_EQ(ListFolder(spring), "P51D.3DZ P51DTEX.TPC");
    EXPECT_EQ(ReadFile(spring + "P51DTEX.TPC"), "1_P51DTEX.TPC");
    EXPECT_EQ(ReadFile(g.Own() + "Skins/Channel/WINTER/P51DTEX.TPC"), "11_P51DTEX.TPC");
    EXPECT_EQ(ReadFile(store + "Channel.DAT").size(), 484u);

    ASSERT_TRUE(ConfirmTerrainSkins(*state, 2, choices)) << "no seasons: Spring's row";
    EXPECT_EQ(ListFolder(g.Own() + "Skins/Pacific"), "P51D.3DZ P51DTEX.TPC");
    EXPECT_TRUE(g.ui.messages.empty());

    // A number would be a skin's record, a path would leave the catalogue.
    EXPECT_FALSE(ChoicesFileOf(*state, 3));
    EXPECT_FALSE(ChoicesFileOf(*state, 4));
    EXPECT_EQ(g.ui.messages.size(), 2u);
}

}  // namespace
}  // namespace harbinet::test
