#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdint>
#include <set>
#include <string>

#include "platform/Files.h"
#include "platform/Profile.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace harbinet::test {
namespace {

ProgramResult MakeSample(std::initializer_list<std::string> args) {
    return RunProgram(HARBINET_MAKE_SAMPLE_GAME, args);
}

struct CareerOnDisk {
    std::uint16_t year;
    int month, day;
    std::string name1, name2;
};

// The fields a career save is read for, taken at their offsets.
CareerOnDisk ReadCareer(const std::string& bytes) {
    auto byte = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    auto text = [&](std::size_t at) {
        std::string field = bytes.substr(at, 80);
        return field.substr(0, field.find('\0'));
    };
    return {static_cast<std::uint16_t>(byte(0x220B1) | byte(0x220B2) << 8),
            (byte(0x220B3) & 0x7F) + 1, (byte(0x220B4) & 0x7F) + 1, text(0x22F11), text(0x22F61)};
}

TEST(MakeSampleGame, LaysOutTheGameWithReadableCareers) {
    TempDir dir;
    const std::string game = dir / "EAW/";
    ProgramResult r = MakeSample({dir / "EAW", "--game", HARBINET_CLI});
    ASSERT_EQ(r.status, 0) << r.err;

    struct stat st {};
    ASSERT_EQ(::stat((game + "EAW.EXE").c_str(), &st), 0);
    EXPECT_TRUE(st.st_mode & S_IXUSR);
    EXPECT_EQ(profile::GetInt(game + "EAW.INI", "GRAPHICS", "3dCityTargets", -1), 2u);

    const auto careers = files::FindFiles(game + "Savedata/", "*.SVE");
    ASSERT_GE(careers.size(), 4u);
    std::set<std::string> names;
    std::set<int> seasons;
    std::set<files::FileTime> times;
    const files::FoundFile* newest = &careers[0];
    for (const auto& found : careers) {
        const std::string bytes = ReadFile(found.path);
        ASSERT_EQ(bytes.size(), 0x22FB1u) << found.name;
        const CareerOnDisk c = ReadCareer(bytes);
        EXPECT_TRUE(c.year >= 1939 && c.year <= 1945 && c.month <= 12 && c.day <= 31 &&
                    !c.name1.empty() && !c.name2.empty())
            << found.name;
        names.insert(c.name2 + ", " + c.name1);
        seasons.insert(c.month % 12 / 3);  // 0 winter .. 3 autumn
        times.insert(found.lastWrite);
        if (found.lastWrite > newest->lastWrite) newest = &found;
    }
    EXPECT_EQ(names.size(), careers.size());
    EXPECT_GE(seasons.size(), 3u);
    EXPECT_EQ(times.size(), careers.size()) << "the newest career must be well defined";
    const CareerOnDisk active = ReadCareer(ReadFile(newest->path));
    EXPECT_EQ(active.name2 + ", " + active.name1, "Vogt, Karl");
    EXPECT_EQ(active.month, 7);
}

TEST(MakeSampleGame, LaysOutTheTerrainStoreAndLeavesTheInstallationToTheProgram) {
    TempDir dir;
    ASSERT_EQ(MakeSample({dir / "EAW", "--game", HARBINET_CLI}).status, 0);
    const std::string own = dir / "EAW/Harbinet/";
    EXPECT_FALSE(Exists(own + "harbinet.INI"));
    EXPECT_FALSE(Exists(own + "Vandelholt"));

    std::set<std::string> contents;
    for (const char* season : {"Spring", "Summer", "Autumn", "Winter"}) {
        const std::string folder = own + "Terrain/Channel Front/" + season + "/";
        for (const char* file : {"EAW1.TER", "GRAS1.TPC"}) {
            const std::string text = ReadFile(folder + file);
            EXPECT_NE(text.find(std::string("Channel Front, ") + season), std::string::npos);
            contents.insert(text);
        }
        EXPECT_TRUE(files::FolderExists(own + "Skins/Channel Front/" + season));
    }
    EXPECT_EQ(contents.size(), 8u);
    EXPECT_TRUE(files::FolderExists(own + "Common/Channel Front"));
    EXPECT_EQ(ReadFile(dir / "EAW/EAW1.TER"),
              ReadFile(own + "Terrain/Channel Front/Spring/EAW1.TER"));
    for (const char* set : {"Mediterranean", "Pacific"}) {
        EXPECT_NE(ReadFile(own + "Terrain/" + set + "/EAW1.TER").find(set), std::string::npos);
        EXPECT_FALSE(Exists(own + "Terrain/" + set + "/Spring"));
        EXPECT_TRUE(files::FolderExists(own + "Common/" + set));
        EXPECT_TRUE(files::FolderExists(own + "Skins/" + set));
    }

    // The first start installs (its settings are FirstRun's business) without a complaint,
    // returns the game to its default terrain and keeps the store it finds.
    ProgramResult status = RunProgram(HARBINET_CLI, {"--folder", own, "status"});
    EXPECT_EQ(status.err,
              "Harbinet Install: Do you wish to add support for Mediterranean and Pacific Terrain "
              "Sets? [No]\n");
    EXPECT_FALSE(Exists(dir / "EAW/EAW1.TER"));
    EXPECT_TRUE(Exists(own + "Terrain/Channel Front/Winter/EAW1.TER"));
}

TEST(MakeSampleGame, ReplacesOnlyItsOwnFolderAndOnlyWhenForced) {
    TempDir dir;
    const std::string game = dir / "EAW";
    ASSERT_EQ(MakeSample({game, "--game", HARBINET_CLI}).status, 0);
    WriteFile(game + "/Savedata/MINE.SVE", "kept");

    EXPECT_EQ(MakeSample({game, "--game", HARBINET_CLI}).status, 1);
    EXPECT_EQ(ReadFile(game + "/Savedata/MINE.SVE"), "kept");

    // Its own EAW.EXE may serve as the program for the new folder.
    ASSERT_EQ(MakeSample({game, "--game", game + "/EAW.EXE", "--force"}).status, 0);
    EXPECT_FALSE(Exists(game + "/Savedata/MINE.SVE"));
    EXPECT_EQ(ReadFile(game + "/EAW.EXE"), ReadFile(HARBINET_CLI));

    const std::string other = WriteFile(dir / "home/notes.txt", "precious");
    EXPECT_EQ(MakeSample({dir / "home", "--game", HARBINET_CLI, "--force"}).status, 1);
    EXPECT_EQ(ReadFile(other), "precious");

    EXPECT_EQ(MakeSample({dir / "new"}).status, 2) << "the game program is required";
    EXPECT_EQ(MakeSample({dir / "new", "--game", dir / "missing"}).status, 1);
    EXPECT_FALSE(Exists(dir / "new"));
}

}  // namespace
}  // namespace harbinet::test
