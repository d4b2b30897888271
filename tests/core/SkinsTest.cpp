// The skin catalogue and the skins of a terrain set, in real folders.
#include <gtest/gtest.h>

#include <filesystem>

#include "program/LoadSettings.h"
#include "skins/SeasonSkinChoices.h"
#include "skins/SkinCatalogue.h"
#include "support/GameFolder.h"
#include "support/System.h"

namespace harbinet::test {
namespace {

class SkinsTest : public ::testing::Test {
  protected:
    GameFolder g;
    std::unique_ptr<ProgramState> state = g.MakeState();
    const std::string store = state->SkinCatalogueFolder;
    const std::string download = g.Game() + "../Downloads/";
    SkinCatalogue catalogue{store};

    void SetUp() override {
        MakeFolder(store);
        WriteFile(g.Settings(),
                  "[Harbinet]\nMode=0\nVersion=22\nSkinFiles=P*.TPC,*.3DZ\n[TerrainSets]\n"
                  "Terrain1=Channel\nSeasons1=1\nTerrain2=Pacific\n");
        state->changeLockWait = std::chrono::milliseconds(0);
    }
    void Record(unsigned n, const std::string& base, const std::string& model = "M") {
        WriteFile(store + std::to_string(n) + ".DAT",
                  "[Skin]\nBaseModel=" + base + "\nModel=" + model + "\nUnit=U\nYear=1941\n");
    }
    void Download(std::initializer_list<const char*> names) {
        for (const char* name : names) WriteFile(download + name, name);
    }
    // Adds the Emil picked in the download folder; its number, 0 when nothing was added.
    unsigned Add(const std::string& picked = "P109ETEX.TPC") {
        SkinDownload d;
        const Result examined = ExamineDownload(*state, download + picked, "P*.TPC,*.3DZ", d);
        EXPECT_EQ(examined.Message(), "");
        SkinRecord record = NewSkinRecord();
        record.model = "Emil";
        record.unit = "JG 26";
        unsigned n = 0;
        const ChangeResult result = AddSkin(*state, d, record, n);
        EXPECT_TRUE(result.messages.empty()) << result.messages.front();
        return n;
    }
};

// A download folder that holds two skins, pictures and texts of other things: only the picked
// skin's files go, with the picture named for it; what is left is said before anything moves.
TEST_F(SkinsTest, AddingTakesExactlyThePickedSkin) {
    Download({"P109ETEX.TPC", "P109ETXS.TPC", "p109e.3dz", "PB17TEX.TPC", "PB17.3DZ", "holiday.jpg",
              "p109e.gif", "A-notes.txt", "readme.txt"});
    SkinDownload d;
    ASSERT_TRUE(ExamineDownload(*state, download + "P109ETEX.TPC", "P*.TPC,*.3DZ", d));
    EXPECT_EQ(DownloadText(d), "Harbinet takes these files from " + download +
                                   ":\n  P109ETEX.TPC\n  p109e.3dz\n  P109ETXS.TPC\n  p109e.gif\n"
                                   "and leaves these there:\n  A-notes.txt\n  PB17.3DZ\n  "
                                   "PB17TEX.TPC\n  holiday.jpg\n  readme.txt");

    EXPECT_EQ(Add(), 1u);
    EXPECT_EQ(ListFolder(download), "A-notes.txt PB17.3DZ PB17TEX.TPC holiday.jpg readme.txt");
    EXPECT_EQ(ListFolder(store), "1.DAT 1.gif 1_P109ETES.TPC 1_P109ETEX.TPC 1_p109e.3dz Skins.INI");

    // A folder's only picture and only text belong to the skin picked there; the text is kept
    // with the skin.
    std::filesystem::remove_all(download);
    Download({"P109ETEX.TPC", "shot.JPG", "notes.txt"});
    EXPECT_EQ(Add(), 2u);
    EXPECT_EQ(ListFolder(download), "");
    EXPECT_TRUE(Exists(store + "2.JPG") && Exists(store + "2_notes.txt"));
}

// The game, Harbinet's own folders and the catalogue are no download; links, devices and huge
// files are never taken.
TEST_F(SkinsTest, OnlyPlainFilesOfADownloadFolderAreTaken) {
    for (const std::string& folder : {g.Game(), g.Own(), store}) {
        SkinDownload d;
        const std::string told =
            ExamineDownload(*state, WriteFile(folder + "P109ETEX.TPC", "x"), "P*.TPC,*.3DZ", d)
                .Message();
        EXPECT_NE(told.find("is a folder of the game or of Harbinet"), std::string::npos) << folder;
    }
    Download({"P109ETEX.TPC"});
    const bool linked = MakeLink("/etc/passwd", download + "P109EPAS.TPC");
    MakePipe(download + "P109E.3DZ");
    std::filesystem::resize_file(WriteFile(download + "P109EBIG.TPC", ""), 65 << 20);
    SkinDownload d;
    ASSERT_TRUE(ExamineDownload(*state, download + "P109ETEX.TPC", "P*.TPC,*.3DZ", d));
    EXPECT_EQ(d.files, std::vector<std::string>{"P109ETEX.TPC"});
    std::vector<std::string> skipped{"P109EBIG.TPC is left: it is larger than 64 MiB"};
    if (linked) skipped.push_back("P109EPAS.TPC is left: it is no plain file");
    EXPECT_EQ(d.skipped, skipped);
}

// The next number is one above every number the catalogue uses, whatever "SkinCount" says,
// and the count written back is that number.
TEST_F(SkinsTest, NumbersComeFromWhatIsOnDisk) {
    // "SkinCount", the records, a stored file or preview of a skin without a record, the number.
    const std::tuple<const char*, std::vector<unsigned>, const char*, unsigned> cases[] = {
        {"5", {1, 2, 4}, "", 6},
        {"2", {1}, "9_P109E.3DZ", 10},
        {"0", {}, "12.JPG", 13},
        {"4000000000", {7}, "", 8}};
    for (const auto& [count, records, file, next] : cases) {
        std::filesystem::remove_all(store);
        WriteFile(store + "Skins.INI", std::string("[Skins]\nSkinCount=") + count + "\n");
        for (unsigned n : records) Record(n, "109E");
        if (*file) WriteFile(store + file, "");
        Download({"P109ETEX.TPC"});
        EXPECT_EQ(Add(), next) << count;
        EXPECT_EQ(profile::GetString(store + "Skins.INI", "Skins", "SkinCount", ""),
                  std::to_string(next));
    }
    EXPECT_EQ(catalogue.ListSkins().size(), 2u) << "the records that exist, however high the count";
}

// Deleting takes the skin's own files, previews and record (last), and nothing that merely
// starts with its number; the sets that chose it go back to the game's skin, their staged files
// too.
TEST_F(SkinsTest, DeletingTakesExactlyTheSkinAndItsChoices) {
    profile::WriteString(g.Settings(), "TerrainSets", "Terrain3", "6_Kanal");
    Download({"P109ETEX.TPC", "P109E.3DZ", "shot.gif"});
    for (unsigned n = 1; n < 6; ++n) Record(n, "109E");
    ASSERT_EQ(Add(), 6u);
    WriteFile(store + "6_OTHER.TPC", "not the skin's");
    for (unsigned set : {1u, 3u}) {
        SeasonSkinChoices choices;
        ASSERT_TRUE(LoadChoicesOf(*state, set, choices));
        choices.SetChoice(0, 16, 6);
        choices.SetChoice(0, 17, 2);
        ASSERT_FALSE(ConfirmTerrainSkins(*state, set, choices).failed);
    }
    EXPECT_EQ(ListFolder(g.Own() + "Skins/6_Kanal"), "P109E.3DZ P109ETEX.TPC");

    ASSERT_FALSE(DeleteSkin(*state, 6).failed);

    EXPECT_EQ(ListFolder(store),
              "1.DAT 2.DAT 3.DAT 4.DAT 5.DAT 6_Kanal.DAT 6_OTHER.TPC Channel.DAT Skins.INI");
    EXPECT_EQ(ListFolder(g.Own() + "Skins/6_Kanal"), "");
    EXPECT_EQ(ListFolder(g.Own() + "Skins/Channel/Spring"), "");
    for (unsigned set : {1u, 3u}) {
        SeasonSkinChoices choices;
        ASSERT_TRUE(LoadChoicesOf(*state, set, choices));
        EXPECT_EQ(choices.GetChoice(0, 16) * 10 + choices.GetChoice(0, 17), 2u) << set;
    }
    EXPECT_EQ(KeptFiles(g), "") << "what the user deleted is not kept";
    EXPECT_EQ(profile::GetString(store + "Skins.INI", "Skins", "SkinCount", ""), "6");
}

// Skins 2 and 5 are Emils, 3 a Gustav: clicks walk through the model's skins and the default.
TEST_F(SkinsTest, StepsThroughTheSkinsOfOneModel) {
    WriteFile(store + "Skins.INI", "[Skins]\nSkinCount=1\n");
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

// A text cut at the read limit in the middle of a character is still the user's text.
TEST_F(SkinsTest, BoardSlotsShowTheLogoASkinsDescriptionOrThatItIsGone) {
    const std::string longUnit = std::string(254, 'x') + "üx";  // ü straddles byte 255
    WriteFile(store + "7.DAT", "[Skin]\nModel=Küstenstaffel\nUnit=" + longUnit +
                                   "\nPilot=Galland\nLocation=Audembert\n");
    WriteFile(store + "7.jpg", "");
    const std::tuple<unsigned, const char*, std::string> cases[] = {
        {0, "EAWLOGO.GIF", "Bf 109E-4"},
        {7, "7.jpg", "Küstenstaffel, " + std::string(254, 'x') + "\nGalland\nAudembert, "},
        {8, "NOIMAGE.GIF", "Skin does not exist!"}};
    for (const auto& [n, picture, caption] : cases) {
        EXPECT_EQ(catalogue.SlotOf(16, n).picture, store + picture);
        EXPECT_EQ(catalogue.SlotOf(16, n).caption, caption);
    }
}

TEST(SkinRecords, TheRulesOfTheEditDialog) {
    const auto with = [](auto change) {
        SkinRecord r = NewSkinRecord();
        r.model = "Emil";
        r.unit = "JG 26";
        change(r);
        const auto fault = CheckSkinRecord(r);
        return fault ? fault->message : std::string();
    };
    EXPECT_EQ(with([](SkinRecord&) {}), "");
    EXPECT_EQ(with([](SkinRecord& r) { r.model.clear(); }), "Model cannot be empty");
    EXPECT_EQ(with([](SkinRecord& r) { r.unit = "JG\t26"; }), "Unit holds a control character");
    EXPECT_EQ(with([](SkinRecord& r) {
                  for (int i = 0; i < 41; ++i) r.pilot += "ü";  // 41 letters, 82 bytes
              }),
              "Pilot takes at most 80 bytes (a letter outside A to Z takes two or more)");
    EXPECT_EQ(with([](SkinRecord& r) { r.year = 1946; }),
              "The year of a skin is one from 1939 to 1945");
}

TEST_F(SkinsTest, ChoicesFileReadsWhatItHoldsAndIsWrittenWhole) {
    std::string bytes(100, '\0');
    bytes[4] = 7;   // Spring, P-38H
    bytes[96] = 9;  // Spring, model 23: the last whole entry
    WriteFile(store + "A.DAT", bytes + "");
    SeasonSkinChoices choices;
    EXPECT_TRUE(choices.LoadChoices(store + "A.DAT"));
    EXPECT_EQ(choices.GetChoice(0, 0) + choices.GetChoice(0, 23) + choices.GetChoice(0, 24), 16u);
    choices.SetChoice(3, 29, 0x01020304);
    bytes = choices.Bytes();
    ASSERT_EQ(bytes.size(), 484u);
    EXPECT_EQ(bytes.substr(0, 8), std::string("\1\0\0\0\7\0\0\0", 8));
    EXPECT_EQ(bytes.substr(480), "\4\3\2\1");

    WriteFile(store + "A.DAT", bytes + "tail");
    ASSERT_TRUE(choices.LoadChoices(store + "A.DAT"));
    EXPECT_EQ(choices.Bytes().substr(484), "tail") << "a longer file keeps its tail";
    EXPECT_TRUE(choices.LoadChoices(store + "missing.DAT")) << "no choices yet";
    EXPECT_EQ(choices.Bytes().substr(4, 8), std::string(8, '\0'));
    MakeFolder(store + "B.DAT");
    EXPECT_NE(choices.LoadChoices(store + "B.DAT").Message().find("Open of file"),
              std::string::npos);
}

// Staging leaves exactly the chosen skins' files in each season folder, prefixes dropped; a
// set named by a number keeps its choices beside the skins' records.
TEST_F(SkinsTest, ConfirmingSavesAndStagesEverySeasonOfTheSet) {
    profile::WriteString(g.Settings(), "TerrainSets", "Terrain3", "1940");
    profile::WriteString(g.Settings(), "TerrainSets", "Terrain4", "../..");
    for (const char* name : {"1_P51DTEX.TPC", "11_P51DTEX.TPC", "11_P51D.3DZ", "1_P51D.3DZ"})
        WriteFile(store + name, name);
    const std::string spring = g.Own() + "Skins/Channel/Spring/";
    WriteFile(spring + "POLD.TPC", "an earlier choice the player put there");
    MakeFolder(g.Own() + "Skins/Channel/WINTER");
    std::string older(484, '\0');
    older[0] = 1;
    older[4 + 4 * 5] = 11;  // Spring, P-51D
    WriteFile(store + "1940.DAT", older);

    SeasonSkinChoices choices;
    ASSERT_TRUE(LoadChoicesOf(*state, 1, choices)) << "none yet";
    choices.SetChoice(0, 5, 1);   // Spring, P-51D
    choices.SetChoice(3, 5, 11);  // Winter
    ASSERT_FALSE(ConfirmTerrainSkins(*state, 1, choices).failed);
    EXPECT_EQ(ListFolder(spring), "P51D.3DZ P51DTEX.TPC");
    EXPECT_EQ(ReadFile(spring + "P51DTEX.TPC"), "1_P51DTEX.TPC");
    EXPECT_EQ(ReadFile(g.Own() + "Skins/Channel/WINTER/P51DTEX.TPC"), "11_P51DTEX.TPC");
    EXPECT_EQ(ReadFile(store + "Channel.DAT").size(), 484u);
    EXPECT_EQ(KeptFiles(g), "POLD.TPC=an earlier choice the player put there");

    ASSERT_FALSE(ConfirmTerrainSkins(*state, 2, choices).failed) << "no seasons: Spring's row";
    EXPECT_EQ(ListFolder(g.Own() + "Skins/Pacific"), "P51D.3DZ P51DTEX.TPC");

    SeasonSkinChoices numbered;
    ASSERT_TRUE(LoadChoicesOf(*state, 3, numbered));
    EXPECT_EQ(numbered.GetChoice(0, 5), 11u);
    ASSERT_FALSE(ConfirmTerrainSkins(*state, 3, numbered).failed);
    EXPECT_TRUE(Exists(store + "Set 1940.DAT") && !Exists(store + "1940.DAT"));
    EXPECT_EQ(ReadFile(g.Own() + "Skins/1940/P51DTEX.TPC"), "11_P51DTEX.TPC");

    std::string file;
    // A path would leave the catalogue.
    EXPECT_NE(ChoicesFileOf(*state, 4, file).Message().find("cannot be used as a folder name"),
              std::string::npos);
    EXPECT_TRUE(g.ui.messages.empty());
}

}  // namespace
}  // namespace harbinet::test
