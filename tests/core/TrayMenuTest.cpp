#include "shell/TrayMenu.h"

#include <gtest/gtest.h>

#include <string>

#include "support/GameFolder.h"

namespace harbinet {
namespace {

using test::GameFolder;
using test::WriteFile;

// One line per item: "id text [marks]", "---", "> text" with the sub-menu's items indented.
void Render(const std::vector<TrayMenuItem>& items, const std::string& indent, std::string& out) {
    for (const auto& item : items) {
        out += indent;
        if (item.kind == TrayMenuItem::Kind::Separator) {
            out += "---\n";
        } else if (item.kind == TrayMenuItem::Kind::SubMenu) {
            out += "> " + item.text + "\n";
            Render(item.items, indent + "  ", out);
        } else {
            out += std::to_string(item.command) + " " + item.text;
            if (item.checked) out += " [checked]";
            if (item.radio) out += " [radio]";
            if (item.isDefault) out += " [default]";
            out += "\n";
        }
    }
}

std::string Menu(const FrameState& state) {
    std::string out;
    Render(BuildTrayMenu(state), "", out);
    return out;
}

// The sets and applications of a first installation with the two extra sets accepted.
const char* const kInstalled =
    "[TerrainSets]\r\nTerrain1=Channel Front\r\nSeasons1=1\r\nTerrain2=Mediterranean\r\n"
    "Terrain3=Pacific\r\nTerrain4=\r\nTerrain5=\r\n"
    "[External]\r\nApp1Desc=Orlen's ECA Control Panel\r\nApp2Desc=Brask's EAW Control\r\n"
    "App3Desc=Tavish's EAW OnLine Manager\r\nApp4Desc=\r\n";

TEST(TrayMenu, ManualModeWithSetsAndApplications) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->Mode = 0;
    s->TerrainSet = 1;
    s->Terrain = 2;
    EXPECT_EQ(Menu(*s),
              "108 &Launch MicroProse's European Air War\n"
              "> Launch\n"
              "  225 Orlen's ECA Control Panel\n"
              "  226 Brask's EAW Control\n"
              "  227 Tavish's EAW OnLine Manager\n"
              "---\n"
              "114 Automatic Mode\n"
              "117 Use Proper Season Terrain\n"
              "---\n"
              "110 Load Spring Terrain\n"
              "111 Load Summer Terrain [checked]\n"
              "112 Load Autumn Terrain\n"
              "113 Load Winter Terrain\n"
              "---\n"
              "109 Use EAW Default Terrain/Skins\n"
              "250 Set Channel Front [radio]\n"
              "251 Set Mediterranean\n"
              "252 Set Pacific\n"
              "---\n"
              "106 &Close\n"
              "---\n"
              "> Co&nfigure\n"
              "  130 Harbinet...\n"
              "  138 Skins...\n"
              "  131 Terrain Sets...\n"
              "  132 External Applications...\n"
              "107 &About Harbinet... [default]\n");
}

// Only the lines that differ from the manual-mode listing.
TEST(TrayMenu, AutomaticModeHasNoSeasonItemsAndDefaultsToLaunch) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->Mode = 1;
    s->TerrainSet = 2;
    s->Terrain = 3;
    s->ClickDefault = 1;
    const std::string menu = Menu(*s);
    EXPECT_EQ(menu.rfind("108 &Launch MicroProse's European Air War [default]\n", 0), 0u);
    EXPECT_NE(menu.find("  227 Tavish's EAW OnLine Manager\n---\n115 Manual Mode\n"
                        "129 Set Active Career...\n---\n109 Use EAW Default Terrain/Skins\n"
                        "250 Set Channel Front\n251 Set Mediterranean [radio]\n"),
              std::string::npos)
        << menu;
    EXPECT_EQ(menu.find("[checked]"), std::string::npos);
    EXPECT_NE(menu.find("\n107 &About Harbinet...\n"), std::string::npos);
}

TEST(TrayMenu, GapsInTheNumberingKeepTheNumbers) {
    GameFolder g;
    WriteFile(g.Settings(),
              "[External]\r\nApp25Desc=Last\r\nApp7Desc=Seventh\r\nApp2Desc=Second\r\n"
              "[TerrainSets]\r\nTerrain25=Pacific\r\nTerrain4=Burma\r\nTerrain1=Channel Front\r\n"
              "Terrain26=Beyond the last\r\n");
    auto s = g.MakeState();
    s->Mode = 1;
    s->TerrainSet = 25;
    const std::string all = Menu(*s);
    EXPECT_NE(all.find("> Launch\n  226 Second\n  231 Seventh\n  249 Last\n---\n"),
              std::string::npos);
    EXPECT_NE(all.find("109 Use EAW Default Terrain/Skins\n250 Set Channel Front\n"
                       "253 Set Burma\n274 Set Pacific [radio]\n---\n"),
              std::string::npos)
        << all;
    EXPECT_EQ(all.find("Beyond the last"), std::string::npos);
}

TEST(TrayMenu, SkinsItemFollowsCopySkinsAndCarriesTheFullName) {
    GameFolder g;
    const std::string longName(300, 'N');
    WriteFile(g.Settings(),
              "[TerrainSets]\r\nTerrain1=Channel Front\r\nTerrain2=" + longName + "\r\n");
    auto s = g.MakeState();
    s->Mode = 1;  // the skins item does not depend on the mode
    s->CopySkins = 1;
    s->TerrainSet = 0;  // no skins item without an active set; no Launch menu without applications
    EXPECT_EQ(Menu(*s).rfind("108 &Launch MicroProse's European Air War\n---\n115 Manual Mode\n"
                             "129 Set Active Career...\n---\n109 Use EAW Default Terrain/Skins "
                             "[radio]\n",
                             0),
              0u)
        << Menu(*s);

    s->TerrainSet = 1;
    EXPECT_NE(Menu(*s).find("129 Set Active Career...\n---\n139 Skins for Channel Front...\n---\n"
                            "109 Use EAW Default Terrain/Skins\n"),
              std::string::npos)
        << Menu(*s);

    s->TerrainSet = 2;  // names are read into 256 characters: 255 of them show
    const std::string cut(255, 'N');
    EXPECT_NE(Menu(*s).find("139 Skins for " + cut + "...\n"), std::string::npos);
    EXPECT_NE(Menu(*s).find("251 Set " + cut + " [radio]\n"), std::string::npos);

    s->CopySkins = 0;
    EXPECT_EQ(Menu(*s).find("139"), std::string::npos);
}

TEST(TrayMenu, MarksOnlyARealSeasonAndANamedSet) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->TerrainSet = 3;
    const char* seasons[] = {"Spring", "Summer", "Autumn", "Winter"};
    for (int terrain = 1; terrain <= 4; ++terrain) {
        s->Terrain = terrain;
        const std::string menu = Menu(*s);
        EXPECT_NE(menu.find(std::to_string(109 + terrain) + " Load " + seasons[terrain - 1] +
                            " Terrain [checked]\n"),
                  std::string::npos);
        EXPECT_EQ(menu.find("[checked]"), menu.rfind("[checked]")) << menu;
    }
    // A hand-edited season (or none recorded) ticks nothing, least of all item 109 or 114.
    for (int terrain : {0, 5, -1}) {
        s->Terrain = terrain;
        EXPECT_EQ(Menu(*s).find("[checked]"), std::string::npos) << "Terrain " << terrain;
    }
    for (int set : {4, 26}) {  // "Terrain4" is empty; 26 is beyond the 25 sets
        s->TerrainSet = set;
        EXPECT_EQ(Menu(*s).find("[radio]"), std::string::npos) << set;
    }
}

TEST(TrayTooltip, EveryState) {
    GameFolder g;
    const std::string name = "Battle of Britain, Summer 1940 edition";  // 38 characters
    WriteFile(g.Settings(),
              "[TerrainSets]\r\nTerrain1=Channel Front\r\nTerrain3=Pacific\r\nTerrain6=" + name);
    auto s = g.MakeState();
    struct Case {
        int mode, set, terrain;
        const char* tip;
    };
    for (const Case& c : {
             Case{1, 1, 2, "Automatic Mode, Summer Terrain (Channel Front)"},
             Case{0, 3, 1, "Manual Mode, Spring Terrain (Pacific)"},
             Case{-1, 0, 4, "Manual Mode, EAW Default Terrain"},  // anything but 1 is manual
             Case{1, 1, 0, "Automatic Mode (Channel Front)"},     // a season outside 1..4
             Case{1, 1, 5, "Automatic Mode (Channel Front)"},
             // The set name is cut to 29 characters, the whole text is not (73 > 63).
             Case{1, 6, 4, "Automatic Mode, Winter Terrain (Battle of Britain, Summer 194)"},
         }) {
        s->Mode = c.mode;
        s->TerrainSet = c.set;
        s->Terrain = c.terrain;
        EXPECT_EQ(TrayTooltip(*s, false), std::string("Harbinet - ") + c.tip);
        EXPECT_EQ(TrayTooltip(*s, true), "Harbinet - Loading Terrain/Skins...");
    }
}

}  // namespace
}  // namespace harbinet
