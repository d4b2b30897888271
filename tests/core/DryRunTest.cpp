// A dry run shows exactly what its change then does, and verify finds each kind of damage, which
// repair mends: in real folders, asserted on the files.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "SeasonFixture.h"
#include "change/PlanListing.h"
#include "platform/Profile.h"
#include "support/System.h"
#include "terrain/SeasonInstall.h"
#include "terrain/TerrainSets.h"

namespace harbinet::test {
namespace {

class DryRunTest : public SeasonFixture {
  protected:
    // Every file below the game folder, the program's folder included, with its bytes; the
    // empty lock file every change opens is no change.
    std::map<std::string, std::string> Snapshot(const std::string& folder = {}) const {
        std::map<std::string, std::string> files;
        for (const auto& found : files::FindFiles(game + folder, "*")) {
            if (found.name == ".harbinet.lock") continue;
            if (found.folder)
                files.merge(Snapshot(folder + found.name + "/"));
            else
                files[folder + found.name] = ReadFile(found.path);
        }
        return files;
    }
    std::vector<std::string> Verify() {
        Plan plan;
        EXPECT_FALSE(PlanChange(*state, InstalledChange(*state), plan).refused);
        return Differences(plan, *state);
    }
};

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) fields.push_back(field);
    return fields;
}

TEST_F(DryRunTest, EachChangeDoesWhatItsDryRunShowed) {
    ASSERT_TRUE(state->settings.Set(settings::kCopySkins, true));
    WriteFile(game + "MAP.TER", "the player's own map");
    MakeLink("/etc/hostname", game + "LINK.TER");  // where the system lets a user make one
    using Make = std::function<ChangeSpec(const ProgramState&)>;
    const std::pair<const char*, Make> changes[] = {
        {"season winter", [](const ProgramState& s) { return SeasonChange(s, Season::Winter); }},
        {"set 2", [](const ProgramState& s) { return TerrainSetChange(s, 2); }},
        {"set 1", [](const ProgramState& s) { return TerrainSetChange(s, 1); }},
        {"unchanged", [](const ProgramState& s) { return InstalledChange(s); }},
        {"default", [](const ProgramState& s) { return DefaultTerrainChange(s); }},
    };
    for (const auto& [name, make] : changes) {
        SCOPED_TRACE(name);
        const auto before = Snapshot();
        Plan plan;
        ASSERT_FALSE(PlanChange(*state, make(*state), plan).failed);
        EXPECT_EQ(Snapshot(), before) << "a dry run changes nothing";
        const std::string lines = PlanLines(plan, *state);
        const auto keptBefore = Snapshot("Harbinet/Originals/").size();
        ASSERT_FALSE(RunChange(*state, make(*state)).failed);

        std::map<std::string, std::string> named;
        std::size_t saves = 0;
        std::istringstream in(lines);
        for (std::string line; std::getline(in, line);) {
            const auto f = Fields(line);
            const std::string& verb = f[0];
            if (verb == "copy") {
                EXPECT_EQ(Game(f[2]), ReadFile(g.Own() + f[1])) << line;
            } else if (verb == "delete") {
                EXPECT_FALSE(Exists(game + f[1])) << line;
            } else if (verb == "keep") {
                EXPECT_EQ(Game(f[1]), before.at(f[1])) << line;
            } else if (verb == "save") {
                ++saves;
                EXPECT_NE(KeptFiles(g).find(f[1] + "=" + before.at(f[1])), std::string::npos)
                    << line;
            } else if (verb == "setting") {
                EXPECT_EQ(profile::GetString(game + f[1], f[2], f[3], "-"), f[4]) << line;
            } else {
                EXPECT_EQ(verb, "total") << line;
                continue;
            }
            named[verb == "copy" ? f[2] : f[1]];
        }
        // Nothing the plan did not name changed in the game folder, and no more was kept.
        EXPECT_EQ(Snapshot("Harbinet/Originals/").size(), keptBefore + saves);
        for (const auto& [file, bytes] : Snapshot()) {
            if (named.count(file) || file.starts_with("Harbinet/") || file.starts_with(".harbinet"))
                continue;
            EXPECT_EQ(bytes, before.count(file) ? before.at(file) : "<new>") << file;
        }
        if (std::string(name) == "unchanged") {
            EXPECT_EQ(lines.substr(lines.rfind("total")),
                      "total\t0 deletes\t0 copies\t4 kept\t0 bytes\n");
        }
    }
    EXPECT_EQ(g.ui.messages, std::vector<std::string>{});
}

TEST_F(DryRunTest, VerifyFindsEachDamageAndRepairMendsIt) {
    ASSERT_TRUE(RunChange(*state, TerrainSetChange(*state, 1)).messages.empty());
    EXPECT_EQ(Verify(), std::vector<std::string>{});
    const std::pair<std::function<void()>, std::vector<std::string>> damages[] = {
        {[&] { std::remove((game + "MAP.TER").c_str()); }, {"missing\tMAP.TER"}},
        {[&] { WriteFile(game + "GRAS1.TPC", "changed"); }, {"differs\tGRAS1.TPC"}},
        {[&] { WriteFile(game + "MAP.TER", "Terrain/Channel/Spring/MAP.TEX"); },
         {"differs\tMAP.TER"}},
        {[&] { WriteFile(game + "NEW.TER", "the player's"); }, {"foreign\tNEW.TER"}},
        {[&] {
             // A link, where the system lets a user make one.
             if (!MakeLink("/etc/hostname", game + "LINK.TER")) WriteFile(game + "LINK.TER", "");
         },
         {"foreign\tLINK.TER"}},
        {[&] { WriteFile(game + "CHAN.CMN", "Terrain/Channel/Spring/MAP.TER"); },
         {"differs\tCHAN.CMN"}},
    };
    for (const auto& [damage, found] : damages) {
        damage();
        EXPECT_EQ(Verify(), found);
        ASSERT_FALSE(RunChange(*state, InstalledChange(*state)).failed);
        EXPECT_EQ(Verify(), std::vector<std::string>{}) << found.front();
    }
    EXPECT_NE(KeptFiles(g).find("NEW.TER=the player's"), std::string::npos);
}

}  // namespace
}  // namespace harbinet::test
