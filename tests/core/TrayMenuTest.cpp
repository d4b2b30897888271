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
    EXPECT_NE(menu.find("  227 Tavish's EAW OnLine Manager\n"
                        "---\n"
                        "115 Manual Mode\n"
                        "129 Set Active Career...\n"
                        "---\n"
                        "109 Use EAW Default Terrain/Skins\n"
                        "250 Set Channel Front\n"
                        "251 Set Mediterranean [radio]\n"),
              std::string::npos)
        << menu;
    EXPECT_EQ(menu.find("[checked]"), std::string::npos);
    EXPECT_NE(menu.find("\n107 &About Harbinet...\n"), std::string::npos);
}

TEST(TrayMenu, WithoutSetsOrApplicationsAndTheDefaultTerrainActive) {
    GameFolder g;  // no settings file at all
    auto s = g.MakeState();
    s->Mode = 0;
    s->TerrainSet = 0;
    s->Terrain = 1;
    s->CopySkins = 1;  // no skins item all the same: there is no active set
    EXPECT_EQ(Menu(*s),
              "108 &Launch MicroProse's European Air War\n"
              "---\n"
              "114 Automatic Mode\n"
              "117 Use Proper Season Terrain\n"
              "---\n"
              "109 Use EAW Default Terrain/Skins [radio]\n"
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

TEST(TrayMenu, GapsInTheNumberingKeepTheNumbers) {
    GameFolder g;
    WriteFile(g.Settings(),
              "[External]\r\nApp25Desc=Last\r\nApp7Desc=Seventh\r\nApp2Desc=Second\r\n"
              "[TerrainSets]\r\nTerrain25=Pacific\r\nTerrain4=Burma\r\nTerrain1=Channel Front\r\n"
              "Terrain26=Beyond the last\r\n");
    auto s = g.MakeState();
    s->Mode = 1;
    s->TerrainSet = 25;
    const auto menu = BuildTrayMenu(*s);

    ASSERT_EQ(menu[1].kind, TrayMenuItem::Kind::SubMenu);
    std::string launch;
    Render(menu[1].items, "", launch);
    EXPECT_EQ(launch, "226 Second\n231 Seventh\n249 Last\n");

    const std::string all = Menu(*s);
    EXPECT_NE(all.find("109 Use EAW Default Terrain/Skins\n"
                       "250 Set Channel Front\n"
                       "253 Set Burma\n"
                       "274 Set Pacific [radio]\n---\n"),
              std::string::npos)
        << all;
    EXPECT_EQ(all.find("Beyond the last"), std::string::npos);
}

TEST(TrayMenu, TwentyFiveSetsUseCommands250To274) {
    GameFolder g;
    std::string ini = "[TerrainSets]\r\n";
    for (int n = 1; n <= 25; ++n)
        ini += "Terrain" + std::to_string(n) + "=Set " + std::to_string(n) + "\r\n";
    WriteFile(g.Settings(), ini);
    auto s = g.MakeState();
    s->TerrainSet = 7;

    int expected = 250, radios = 0;
    for (const auto& item : BuildTrayMenu(*s)) {
        if (item.command < 250) continue;
        EXPECT_EQ(item.command, expected);
        EXPECT_EQ(item.text, "Set Set " + std::to_string(expected - 249));
        if (item.radio) {
            ++radios;
            EXPECT_EQ(item.command, 256);
        }
        ++expected;
    }
    EXPECT_EQ(expected, 275);
    EXPECT_EQ(radios, 1);
}

TEST(TrayMenu, SkinsItemFollowsCopySkinsAndCarriesTheFullName) {
    GameFolder g;
    const std::string longName(300, 'N');
    WriteFile(g.Settings(),
              "[TerrainSets]\r\nTerrain1=Channel Front\r\nTerrain2=" + longName + "\r\n");
    auto s = g.MakeState();
    s->Mode = 1;  // the skins item does not depend on the mode
    s->TerrainSet = 1;
    s->CopySkins = 1;
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

TEST(TrayMenu, SeasonCheckMarkOnlyOnASeasonItem) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->TerrainSet = 3;
    for (int terrain = 1; terrain <= 4; ++terrain) {
        s->Terrain = terrain;
        int checked = 0;
        for (const auto& item : BuildTrayMenu(*s)) {
            if (!item.checked) continue;
            ++checked;
            EXPECT_EQ(item.command, 109 + terrain);
        }
        EXPECT_EQ(checked, 1) << "Terrain " << terrain;
    }
    // A hand-edited season (or none recorded) ticks nothing, least of all item 109 or 114.
    for (int terrain : {0, 5, -1}) {
        s->Terrain = terrain;
        EXPECT_EQ(Menu(*s).find("[checked]"), std::string::npos) << "Terrain " << terrain;
    }
}

TEST(TrayMenu, ActiveSetWithoutNameHasNoRadioMark) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->TerrainSet = 4;  // "Terrain4" is empty
    EXPECT_EQ(Menu(*s).find("[radio]"), std::string::npos);
    s->TerrainSet = 26;  // beyond the 25 sets
    EXPECT_EQ(Menu(*s).find("[radio]"), std::string::npos);
}

TEST(TrayMenu, ReadsTheSettingsFileEachTime) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->TerrainSet = 1;
    EXPECT_NE(Menu(*s).find("251 Set Mediterranean\n"), std::string::npos);

    WriteFile(g.Settings(),
              "[TerrainSets]\r\nTerrain1=Channel Front\r\nTerrain2=North Africa\r\n"
              "[External]\r\nApp5Desc=Mission Builder\r\n");
    const std::string menu = Menu(*s);
    EXPECT_NE(menu.find("251 Set North Africa\n"), std::string::npos);
    EXPECT_EQ(menu.find("Pacific"), std::string::npos);
    EXPECT_NE(menu.find("> Launch\n  229 Mission Builder\n---\n"), std::string::npos);
}

TEST(TrayTooltip, EveryState) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->Mode = 1;
    s->TerrainSet = 1;
    s->Terrain = 2;
    EXPECT_EQ(TrayTooltip(*s, false), "Harbinet - Automatic Mode, Summer Terrain (Channel Front)");
    EXPECT_EQ(TrayTooltip(*s, true), "Harbinet - Loading Terrain/Skins...");

    s->Mode = 0;
    s->TerrainSet = 3;
    const char* seasons[] = {"Spring", "Summer", "Autumn", "Winter"};
    for (int terrain = 1; terrain <= 4; ++terrain) {
        s->Terrain = terrain;
        EXPECT_EQ(TrayTooltip(*s, false), std::string("Harbinet - Manual Mode, ") +
                                              seasons[terrain - 1] + " Terrain (Pacific)");
    }

    s->TerrainSet = 0;
    EXPECT_EQ(TrayTooltip(*s, false), "Harbinet - Manual Mode, EAW Default Terrain");
    s->Mode = -1;  // anything but 1 is Manual Mode
    EXPECT_EQ(TrayTooltip(*s, false), "Harbinet - Manual Mode, EAW Default Terrain");
    EXPECT_EQ(TrayTooltip(*s, true), "Harbinet - Loading Terrain/Skins...");
}

TEST(TrayTooltip, SeasonOutsideOneToFourShowsTheSetAlone) {
    GameFolder g;
    WriteFile(g.Settings(), kInstalled);
    auto s = g.MakeState();
    s->Mode = 1;
    s->TerrainSet = 1;
    for (int terrain : {0, 5, -3}) {
        s->Terrain = terrain;
        EXPECT_EQ(TrayTooltip(*s, false), "Harbinet - Automatic Mode (Channel Front)");
    }
}

TEST(TrayTooltip, SetNameIsCutTo29CharactersButTheTextIsNot) {
    GameFolder g;
    const std::string name = "Battle of Britain, Summer 1940 edition";  // 38 characters
    WriteFile(g.Settings(), "[TerrainSets]\r\nTerrain2=" + name + "\r\n");
    auto s = g.MakeState();
    s->Mode = 1;
    s->TerrainSet = 2;
    s->Terrain = 4;
    const std::string tip = TrayTooltip(*s, false);
    EXPECT_EQ(tip, "Harbinet - Automatic Mode, Winter Terrain (" + name.substr(0, 29) + ")");
    EXPECT_EQ(tip.size(), 73u);  // longer than the 63 characters of a Windows tooltip
}

}  // namespace
}  // namespace harbinet
