#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "SeasonFixture.h"
#include "careers/ActiveCareer.h"
#include "terrain/SeasonSwitching.h"

namespace harbinet::test {
namespace {

class ActiveCareerTest : public SeasonFixture {
  protected:
    void SetUp() override { UseChannelSet(); }
    std::string Career(const std::string& name, int monthIndex, long seconds,
                       const std::string& pilot = "Hans") {
        const std::string path = g.AddCareer(
            name, {.monthIndex = static_cast<std::uint8_t>(monthIndex), .name1 = pilot});
        SetTime(path, seconds);
        return path;
    }
    // The season the game folder holds, "" when none was installed.
    std::string Installed() const {
        const std::string map = ReadFile(game + "MAP.TER");
        return map == "<missing>" ? "" : map;
    }
    // Runs one check and tells whether it installed anything.
    bool Check() {
        WriteFile(game + "MAP.TER", "stale");
        g.ui.events.clear();
        CheckActiveCareer(*state);
        return Installed() != "stale";
    }
};

TEST_F(ActiveCareerTest, EveryMonthGivesItsSeasonAndMonth13None) {
    const char* names[] = {"", "Spring", "Summer", "Autumn", "Winter"};
    const int seasons[12] = {4, 4, 1, 1, 1, 2, 2, 2, 3, 3, 3, 4};
    for (int month = 0; month < 12; ++month) {
        Career("ONE.SVE", month, 1000 + month);
        EXPECT_TRUE(Check()) << month;
        EXPECT_EQ(Installed(), names[seasons[month]]) << "month index " << month;
        EXPECT_EQ(Setting("Terrain"), std::to_string(seasons[month]));
    }
    // A month outside the year records the career but installs nothing.
    const std::string path = Career("ONE.SVE", 12, 2000);
    EXPECT_FALSE(Check());
    EXPECT_TRUE(g.ui.events.empty());
    EXPECT_EQ(state->CareerName + " / " + state->CareerDate, "Meyer, Hans / 1 Month, 1943");
    EXPECT_EQ(state->LastCareerPath, path);
    EXPECT_EQ(Setting("Terrain"), "4");
}

TEST_F(ActiveCareerTest, ActsOnceOnTheFirstNewestCareerAndRemembersIt) {
    Career("A.SVE", 0, 1000, "Older");
    Career("c.sve", 9, 2000, "Tied, found later");  // written first, listed after B.SVE
    const std::string b = Career("B.SVE", 5, 2000, "Newest");
    Career("D.SVE", 9, 1500, "Middle");

    EXPECT_TRUE(Check());
    EXPECT_EQ(Installed(), "Summer");
    EXPECT_EQ(state->CareerName + " / " + state->CareerDate, "Meyer, Newest / 1 June, 1943");
    EXPECT_EQ(state->LastCareerPath, b);
    EXPECT_EQ(state->LastCareerTime, 2000'000'000'000);
    EXPECT_EQ(g.ui.events, (std::vector<std::string>{"busy", "idle"}));

    EXPECT_FALSE(Check()) << "nothing changed";
    EXPECT_TRUE(g.ui.events.empty());

    ForgetActiveCareer(*state);
    EXPECT_TRUE(Check()) << "forgotten: the same career acts again";
}

TEST_F(ActiveCareerTest, NewerSaveRestampedOlderSaveAndOlderTouchEachCount) {
    const std::string a = Career("A.SVE", 0, 1000);  // Winter
    Career("B.SVE", 3, 2000);                        // Spring
    ASSERT_TRUE(Check());
    ASSERT_EQ(Installed(), "Spring");

    // The game writes a newer save.
    Career("C.SVE", 6, 3000);
    EXPECT_TRUE(Check());
    EXPECT_EQ(Installed(), "Summer");

    // An older career stamped with the current time becomes the active one.
    ASSERT_TRUE(files::SetLastWriteTimeNow(a));
    EXPECT_TRUE(Check());
    EXPECT_EQ(Installed(), "Winter");
    EXPECT_EQ(state->LastCareerPath, a);

    // The active career's file touched with an older time (still the newest) counts too.
    SetTime(a, 4000);
    EXPECT_TRUE(Check());
    EXPECT_EQ(Installed(), "Winter");
    EXPECT_EQ(state->LastCareerTime, 4000'000'000'000);
}

TEST_F(ActiveCareerTest, NewestCareerThatCannotBeOpenedIsReportedOnEveryCheck) {
    Career("A.SVE", 6, 1000);
    // A socket can be listed but not opened: another failure than access denied.
    const std::string socketPath = game + "Savedata/Z.SVE";
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    ASSERT_LT(socketPath.size(), sizeof address.sun_path);
    socketPath.copy(address.sun_path, socketPath.size());
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    SetTime(socketPath, 2000);
    const std::string message =
        "error Harbinet Error: Open of file " + socketPath + " failed (error = 0x6)";

    EXPECT_FALSE(Check()) << "the older career is not taken instead";
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{message});
    EXPECT_EQ(state->LastCareerPath, "");
    EXPECT_EQ(state->CareerName, "No Current Career");

    EXPECT_FALSE(Check());
    EXPECT_EQ(g.ui.messages, (std::vector<std::string>{message, message}));
    ::close(fd);
}

TEST_F(ActiveCareerTest, ShortCareerFileReadsAsJanuary) {
    const std::string path = WriteFile(game + "Savedata/CUT.SVE",
                                       CareerBytes({.monthIndex = 6, .name1 = "Hans"}, 0x220B3));
    EXPECT_TRUE(Check());
    EXPECT_EQ(Installed(), "Winter");
    EXPECT_EQ(state->CareerName, ", ");
    EXPECT_EQ(state->LastCareerPath, path);
}

// The name is set before the season is installed and the date after, so that the tray's
// busy state sees the new career with the old date.
class WatchingServices : public RecordingServices {
  public:
    const FrameState* state = nullptr;
    void UpdateTrayIcon(bool busy) override {
        RecordingServices::UpdateTrayIcon(busy);
        if (busy) seen = state->CareerName + " / " + state->CareerDate;
    }
    std::string seen;
};

TEST_F(ActiveCareerTest, NameBeforeAndDateAfterTheInstall) {
    WatchingServices ui;
    FrameState watched(*state, ui, g.desktop);
    watched.TerrainSet = 1;
    ui.state = &watched;
    Career("A.SVE", 2, 1000);
    CheckActiveCareer(watched);
    EXPECT_EQ(ui.seen, "Meyer, Hans / ");
    EXPECT_EQ(watched.CareerDate, "1 March, 1943");
}

}  // namespace
}  // namespace harbinet::test
