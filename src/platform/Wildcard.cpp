// Windows rewrites a search pattern before matching: "*" before "." stops at the name's last
// dot, "?" matches nothing at a dot or past the end, a "." before "*" or "?" also matches the
// end of the name ("EAW.*" finds "EAW"), and trailing dots and blanks go. The
// matcher follows the rewritten pattern, walking the set of reachable name positions token by
// token, so it never backtracks.
#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::files {

namespace {

enum class Kind { Literal, Star, DotStar, Question, DotOrEnd };

struct Token {
    Kind kind;
    char ch = 0;
};

std::vector<Token> Compile(std::string_view pattern) {
    std::size_t kept = pattern.size();
    while (kept > 0 && (pattern[kept - 1] == '.' || pattern[kept - 1] == ' ')) --kept;
    // "*." keeps its dot in meaning: the star may not pass a dot, so no dot may follow.
    const bool starBeforeDroppedDot =
        kept > 0 && kept < pattern.size() && pattern[kept - 1] == '*' && pattern[kept] == '.';
    std::string_view p = pattern.substr(0, kept);

    std::vector<Token> tokens;
    if (p == "*.*") {
        tokens.push_back({Kind::Star});
        return tokens;
    }
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char c = p[i];
        if (c == '*') {
            const bool beforeDot = i + 1 < p.size() ? p[i + 1] == '.' : starBeforeDroppedDot;
            tokens.push_back({beforeDot ? Kind::DotStar : Kind::Star});
        } else if (c == '?') {
            tokens.push_back({Kind::Question});
        } else if (c == '.' && i + 1 < p.size() && (p[i + 1] == '*' || p[i + 1] == '?')) {
            tokens.push_back({Kind::DotOrEnd, '.'});
        } else {
            tokens.push_back({Kind::Literal, LowerAscii(c)});
        }
    }
    return tokens;
}

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
    const std::vector<Token> tokens = Compile(pattern);
    if (tokens.empty()) return false;

    const std::size_t n = name.size();
    const std::size_t lastDot = name.rfind('.');
    // reach[i]: the tokens so far can consume exactly the first i characters of the name.
    std::vector<char> reach(n + 1, 0), next(n + 1, 0);
    reach[0] = 1;
    for (const Token& t : tokens) {
        std::fill(next.begin(), next.end(), 0);
        bool any = false;
        switch (t.kind) {
            case Kind::DotOrEnd:
                if (reach[n]) next[n] = any = true;
                [[fallthrough]];
            case Kind::Literal:
                for (std::size_t i = 0; i < n; ++i)
                    if (reach[i] && LowerAscii(name[i]) == t.ch) next[i + 1] = any = true;
                break;
            case Kind::Question:
                for (std::size_t i = 0; i <= n; ++i) {
                    if (!reach[i]) continue;
                    next[(i == n || name[i] == '.') ? i : i + 1] = any = true;
                }
                break;
            case Kind::Star: {
                bool open = false;
                for (std::size_t i = 0; i <= n; ++i) {
                    open = open || reach[i];
                    next[i] = open;
                }
                any = open;
                break;
            }
            case Kind::DotStar: {
                // The run may end just before the last dot but never take it in.
                bool open = false;
                for (std::size_t i = 0; i <= n; ++i) {
                    open = open || reach[i];
                    next[i] = open;
                    any = any || open;
                    if (i == lastDot) open = false;
                }
                break;
            }
        }
        if (!any) return false;
        reach.swap(next);
    }
    return reach[n] != 0;
}

}  // namespace harbinet::files
