#include <gtest/gtest.h>

#include <string_view>

#include "platform/Files.h"

namespace {

using harbinet::files::WildcardMatch;

struct Case {
    std::string_view pattern;
    std::string_view name;
    bool matches;
};

void CheckAll(std::initializer_list<Case> cases) {
    for (const auto& c : cases) {
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches)
            << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
    }
}

TEST(Wildcard, TrailingDotsAndBlanksAreDropped) {
    CheckAll({{"a.TER.", "a.TER", true},
              {"a.TER  ", "a.TER", true},
              {"a.TER. .", "a.ter", true},
              {"a.TER.", "a.TER.x", false},
              {"", "a", false},
              {"...", "a", false},
              {"  ", "  x", false}});
}

TEST(Wildcard, StarAndStarDotStarMatchEverything) {
    CheckAll({{"*", "EAW.EXE", true},
              {"*", "noextension", true},
              {"*.*", "noextension", true},
              {"*.*", "a.b.c", true},
              {"*.*", ".hidden", true}});
}

TEST(Wildcard, StarDotOnlyMatchesNamesWithoutADot) {
    CheckAll({{"*.", "Savedata", true},
              {"*.", "EAW.INI", false},
              {"*.", "a.b.c", false},
              {"S*.", "Savedata", true},
              {"S*.", "Save.d", false},
              {"S*.", "Other", false}});
}

TEST(Wildcard, StarBeforeDotStopsAtTheLastDot) {
    CheckAll({{"*.TER", "x.ter.ter", true},
              {"*.TER", "a.TER", true},
              {"*.TER", ".ter", true},
              {"*.TER", "a.TERX", false},
              {"*.TER", "a.TER.bak", false},
              {"*.TER", "TER", false},
              {"*.3DZ", "plane.3dz", true},
              {"*.3DZ", "plane.3dz.old", false},
              {"*.SVE", "1.SVE", true},
              {"*.SVE", "1.SVEx", false},
              {"GRAS*.TPC", "GRASS01.TPC", true},
              {"GRAS*.TPC", "gras.tpc", true},
              {"GRAS*.TPC", "GRA.TPC", false},
              {"GRAS*.TPC", "GRASS.TPC.1", false},
              {"P*.TPC", "p1.x.tpc", true},
              {"P*.TPC", "xP1.TPC", false},
              {"*.*.TER", "a.b.TER", true},
              {"*.*.TER", "a.TER", false}});
}

TEST(Wildcard, QuestionMatchesNothingAtADotOrPastTheEnd) {
    CheckAll({{"a?", "a", true},
              {"a?", "ab", true},
              {"a?", "abc", false},
              {"a?", "a.b", false},
              {"a??", "a", true},
              {"a??", "ab", true},
              {"a??", "abc", true},
              {"a??", "abcd", false},
              {"a?.TER", "a.TER", true},
              {"a?.TER", "ab.TER", true},
              {"a?.TER", "abc.TER", false},
              {"?", ".x", false},
              {"a?b", "a.b", false},
              {"x*y?.t*", "xAy.tX", true},
              {"x*y?.t*", "x.y1.ty", true},
              {"x*y?.t*", "xyz.t", true},
              {"x*y?.t*", "xy12.t", false},
              {"x*y?.t*", "xy1.u", false}});
}

TEST(Wildcard, OtherCharactersMatchThemselvesIgnoringCase) {
    CheckAll({{"eaw.ini", "EAW.INI", true},
              {"EAW.INI", "eaw.ini", true},
              {"EAW.INI", "EAW.IN", false},
              {"My File.txt", "my file.TXT", true},
              {"My File.txt", "MyFile.txt", false},
              {"\xc3\x89t\xc3\xa9", "\xc3\xa9t\xc3\xa9", false},
              {"[a].x", "[A].X", true}});
}

}  // namespace
