#include <wx/menu.h>

#include "gui/FrameFixture.h"
#include "shell/Commands.h"

namespace harbinet {
namespace {

using test::FrameTest;

// One line per item: id and label, then its marks; a sub-menu's items follow, indented.
void Describe(wxMenu& menu, std::vector<std::string>& out, const std::string& indent = "") {
    for (wxMenuItem* item : menu.GetMenuItems()) {
        if (item->IsSeparator()) {
            out.push_back(indent + "---");
            continue;
        }
        std::string line = indent;
        if (!item->IsSubMenu()) line += std::to_string(item->GetId()) + " ";
        line += item->GetItemLabel().utf8_string();
        if (item->IsRadio()) line += item->IsChecked() ? " (o)" : " ( )";
        if (item->IsCheck()) line += item->IsChecked() ? " [x]" : " [ ]";
        if (!LabelMarkup(item).empty()) line += " bold:" + LabelMarkup(item);
        out.push_back(line);
        if (item->IsSubMenu()) Describe(*item->GetSubMenu(), out, indent + "  ");
    }
}

class TrayMenuTest : public FrameTest {
  protected:
    std::vector<std::string> MenuOf(const std::string& settings) {
        CMainFrame& f = Start(settings);
        std::vector<std::string> lines;
        f.SetMenuPresenter([&](wxMenu& menu) { Describe(menu, lines); });
        f.ShowTrayMenu();
        return lines;
    }
};

// The layout itself is the core's business; this shows that ids, marks, bold and sub-menus
// reach the wxMenu, and that labels are not taken as mnemonics or markup.
TEST_F(TrayMenuTest, ModelReachesTheWxMenu) {
    const std::vector<std::string> expected = {
        "108 &Launch MicroProse's European Air War",
        "Launch",
        "  225 Combat Log Viewer",
        "  227 Skin <Editor> & Co_",
        "---",
        "114 Automatic Mode",
        "117 Use Proper Season Terrain",
        "---",
        "110 Load Spring Terrain",
        "111 Load Summer Terrain",
        "112 Load Autumn Terrain [x]",
        "113 Load Winter Terrain",
        "---",
        "139 Skins for Mediterranean...",
        "---",
        "109 Use EAW Default Terrain/Skins",
        "250 Set Channel Front",
        "251 Set Mediterranean (o)",
        "253 Set Pacific",
        "---",
        "106 &Close",
        "---",
        "Co&nfigure",
        "  130 Harbinet...",
        "  138 Skins...",
        "  131 Terrain Sets...",
        "  132 External Applications...",
        "107 &About Harbinet... bold:<b>_About Harbinet...</b>",
    };
    EXPECT_EQ(MenuOf("[Harbinet]\nVersion=22\nMode=0\nTerrainSet=2\nTerrain=3\nCopySkins=1\n"
                     "[TerrainSets]\nTerrain1=Channel Front\nTerrain2=Mediterranean\n"
                     "Terrain4=Pacific\n"
                     "[External]\nApp1Desc=Combat Log Viewer\nApp3Desc=Skin <Editor> & Co_\n"),
              expected);
}

TEST_F(TrayMenuTest, AnActiveSetWithoutANameMarksNothing) {
    // wx would check the first item of a radio group; the program's menu marks none.
    for (const std::string& line : MenuOf("[Harbinet]\nVersion=22\nMode=1\nTerrainSet=3\n"
                                          "[TerrainSets]\nTerrain1=Channel Front\n"))
        EXPECT_EQ(line.find("(o)"), std::string::npos) << line;
}

}  // namespace
}  // namespace harbinet
