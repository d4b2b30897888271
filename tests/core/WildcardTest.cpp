#include <gtest/gtest.h>

#include "platform/Files.h"

namespace {

using harbinet::files::WildcardMatch;

struct Case {
    std::string_view pattern;
    std::string_view name;
    bool matches;
};

// The terrain, skin and career patterns must pick exactly the files Windows would pick, or the
// program deletes or copies the wrong files of the game folder.
TEST(Wildcard, MatchesAsWindowsDoes) {
    const Case cases[] = {
        // Trailing dots and blanks of the pattern are dropped; nothing is left of some.
        {"a.TER.", "a.TER", true},
        {"EAW.*", "EAW", true},
        {"*.???", "aa", true},
        {"7_*.*", "7_README", true},
        {"a.?", "ab", false},
        {"a.TER. .", "a.ter", true},
        {"a.TER.", "a.TER.x", false},
        {"", "a", false},
        {"...", "a", false},
        {"  ", "  x", false},
        // "*" and "*.*" match every name, with or without a dot.
        {"*", "noextension", true},
        {"*.*", "noextension", true},
        {"*.*", ".hidden", true},
        // "*." matches only names without a dot.
        {"*.", "Savedata", true},
        {"*.", "EAW.INI", false},
        {"S*.", "Save.d", false},
        // A star before the extension stops at the last dot.
        {"*.TER", "x.ter.ter", true},
        {"*.TER", ".ter", true},
        {"*.TER", "a.TERX", false},
        {"*.TER", "a.TER.bak", false},
        {"*.TER", "TER", false},
        {"*.SVE", "1.SVEx", false},
        {"GRAS*.TPC", "GRASS01.TPC", true},
        {"GRAS*.TPC", "gras.tpc", true},
        {"GRAS*.TPC", "GRA.TPC", false},
        {"GRAS*.TPC", "GRASS.TPC.1", false},
        {"P*.TPC", "p1.x.tpc", true},
        {"P*.TPC", "xP1.TPC", false},
        {"*.3DZ", "plane.3dz", true},
        {"*.*.TER", "a.b.TER", true},
        {"*.*.TER", "a.TER", false},
        // "?" matches one character, or nothing at a dot or past the end.
        {"a?", "a", true},
        {"a?", "ab", true},
        {"a?", "abc", false},
        {"a?", "a.b", false},
        {"a??", "a", true},
        {"a??", "abcd", false},
        {"a?.TER", "a.TER", true},
        {"a?.TER", "abc.TER", false},
        {"?", ".x", false},
        {"a?b", "a.b", false},
        {"x*y?.t*", "x.y1.ty", true},
        {"x*y?.t*", "xyz.t", true},
        {"x*y?.t*", "xy12.t", false},
        // Every other character matches itself, ASCII letters ignoring case.
        {"eaw.ini", "EAW.INI", true},
        {"EAW.INI", "EAW.IN", false},
        {"My File.txt", "my file.TXT", true},
        {"My File.txt", "MyFile.txt", false},
        {"\xc3\x89t\xc3\xa9", "\xc3\xa9t\xc3\xa9", false},
        {"[a].x", "[A].X", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WildcardMatch(c.pattern, c.name), c.matches)
            << "pattern \"" << c.pattern << "\" name \"" << c.name << "\"";
}

}  // namespace
