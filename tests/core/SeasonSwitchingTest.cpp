#include <gtest/gtest.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "SeasonFixture.h"
#include "shell/Commands.h"
#include "terrain/SeasonSwitching.h"

namespace harbinet::test {
namespace {

constexpr const char* kSets =
    "Terrain1=Channel\r\nSeasons1=1\r\n"
    "Terrain2=Desert\r\nSeasons2=0\r\n";
const std::string kLists = "TerrainFiles=*.TER,GRAS*.TPC\r\nSkinFiles=P*.TPC,*.3DZ\r\n";

class SeasonSwitchingTest : public SeasonFixture {
  protected:
    void SetUp() override {
        for (const char* season : {"Spring", "Summer", "Autumn", "Winter"}) {
            Store(std::string("Terrain/Channel/") + season + "/MAP.TER");
            Store(std::string("Terrain/Channel/") + season + "/GRAS1.TPC");
            Store(std::string("Skins/Channel/") + season + "/P51.TPC");
        }
        Store("Terrain/Desert/MAP.TER");
        Store("Skins/Desert/SPIT.3DZ");
        WriteFile(game + "OLD.TER", "from an earlier set");
        WriteFile(game + "POLD.TPC", "an earlier skin");
    }
    void Use(int set, bool skins, const std::string& lists = kLists) {
        WriteSettings("Terrain=1\r\nTerrainSet=" + std::to_string(set) + "\r\n" + lists, kSets);
        state->TerrainSet = set;
        state->CopySkins = skins ? 1 : 0;
    }
};

TEST_F(SeasonSwitchingTest, SeasonOfASetWithSeasonsWithoutSkins) {
    Use(1, false);
    InstallSeason(*state, kWinter);
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI GRAS1.TPC Harbinet/ MAP.TER POLD.TPC");
    EXPECT_EQ(Game("GRAS1.TPC"), "Terrain/Channel/Winter/GRAS1.TPC");
    EXPECT_EQ(Setting("Terrain"), "4");
    EXPECT_EQ(state->Terrain, kWinter);
    EXPECT_EQ(g.ui.events, (std::vector<std::string>{"busy", "idle"}));
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(SeasonSwitchingTest, SeasonOfASetWithSeasonsWithSkins) {
    Use(1, true);
    InstallSeason(*state, kSummer);
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI GRAS1.TPC Harbinet/ MAP.TER P51.TPC");
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Channel/Summer/MAP.TER");
    EXPECT_EQ(Game("P51.TPC"), "Skins/Channel/Summer/P51.TPC");
}

TEST_F(SeasonSwitchingTest, SetWithoutSeasonsInstallsItsOneTerrainForAnySeason) {
    Use(2, true);
    InstallSeason(*state, kAutumn);
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/ MAP.TER SPIT.3DZ");
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Desert/MAP.TER");
    EXPECT_EQ(Setting("Terrain"), "3") << "the season asked for is still recorded";
}

TEST_F(SeasonSwitchingTest, NothingAtAllWhileTheDefaultTerrainIsSelected) {
    Use(0, true);
    const std::string settings = ReadFile(g.Settings());
    const std::string before = ListFolder(game);

    for (int command = cmd::kSpring; command <= cmd::kWinter; ++command)
        EXPECT_TRUE(RunCoreCommand(*state, command));

    EXPECT_EQ(ReadFile(g.Settings()), settings);
    EXPECT_EQ(ListFolder(game), before);
    EXPECT_TRUE(g.ui.events.empty()) << "not even the busy icon";
    EXPECT_TRUE(g.ui.messages.empty());
}

TEST_F(SeasonSwitchingTest, EmptyListsAreReportedOnceEachAndTheWorkGoesOn) {
    auto message = [](const std::string& what) {
        return "error Harbinet Error: The file types specified for " + what +
               " are invalid or incorrectly formatted";
    };

    Use(1, true, "SkinFiles=P*.TPC\r\n");
    InstallSeason(*state, kSpring);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{message("Terrain")});
    EXPECT_EQ(Game("P51.TPC"), "Skins/Channel/Spring/P51.TPC") << "skins still installed";
    EXPECT_EQ(Game("OLD.TER"), "from an earlier set");

    g.ui.messages.clear();
    Use(1, true, "TerrainFiles=*.TER\r\n");
    InstallSeason(*state, kSpring);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{message("Skins")});
    EXPECT_EQ(Game("MAP.TER"), "Terrain/Channel/Spring/MAP.TER");

    g.ui.messages.clear();
    Use(1, false, "TerrainFiles=*.TER\r\n");
    InstallSeason(*state, kSpring);
    EXPECT_TRUE(g.ui.messages.empty()) << "without skin copying the skin list is not looked at";

    // The game's default terrain then leaves the skins; an empty CommonFiles is no fault.
    Use(1, false, "SkinFiles=P*.TPC\r\n");
    RestoreDefaultTerrain(*state);
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{message("Terrain")});
    EXPECT_EQ(Game("P51.TPC"), "Skins/Channel/Spring/P51.TPC");
    EXPECT_EQ(Setting("TerrainSet"), "0");
}

// The names the game folder loses, in the order it loses them.
class DeletionWatch {
  public:
    explicit DeletionWatch(const std::string& folder) : fd_(::inotify_init1(IN_NONBLOCK)) {
        ::inotify_add_watch(fd_, folder.c_str(), IN_DELETE | IN_MOVED_FROM);
    }
    ~DeletionWatch() { ::close(fd_); }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        alignas(inotify_event) char buffer[8192];
        ssize_t n;
        while ((n = ::read(fd_, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + n;) {
                auto* e = reinterpret_cast<inotify_event*>(p);
                if (e->len) names.emplace_back(e->name);
                p += sizeof(inotify_event) + e->len;
            }
        }
        return names;
    }

  private:
    int fd_;
};

TEST_F(SeasonSwitchingTest, DefaultTerrainDeletesCommonThenTerrainThenSkins) {
    Use(1, true, kLists + "CommonFiles=*.CMN\r\n");
    for (const char* name : {"A.3DZ", "Z.CMN", "M.TER", "GRAS2.TPC", "PZ.TPC", "B.CMN"})
        WriteFile(game + name, "installed");
    DeletionWatch watch(game);

    EXPECT_TRUE(RunCoreCommand(*state, cmd::kDefaultTerrain));

    EXPECT_EQ(watch.Names(),
              (std::vector<std::string>{"B.CMN", "Z.CMN", "M.TER", "OLD.TER", "GRAS2.TPC",
                                        "POLD.TPC", "PZ.TPC", "A.3DZ"}));
    EXPECT_EQ(ListFolder(game), "EAW.EXE EAW.INI Harbinet/");
    EXPECT_EQ(Setting("TerrainSet"), "0");
    EXPECT_EQ(Setting("Terrain"), "1") << "the season is kept";
    EXPECT_EQ(state->TerrainSet, 0);
    EXPECT_TRUE(g.ui.messages.empty());
}

}  // namespace
}  // namespace harbinet::test
