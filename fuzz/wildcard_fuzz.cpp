// The wildcard matcher against a plain backtracking one written from the Windows rules: the
// search pattern is rewritten into the file system's DOS wildcards (a "*" before a dot stops at
// the name's last dot, "?" matches nothing at a dot or past the end, a dot before "*" or "?" may
// also be the end of the name) and then matched character by character. Input: PATTERN \1 NAME.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "platform/Files.h"

namespace {

enum class Tok { Literal, Star, DosStar, DosQm, DosDot };

struct T {
    Tok tok;
    char ch = 0;
};

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// Windows also lets a dot before "*" or "?" match the end of a name ("EAW.*" finds "EAW").
constexpr bool kDotMayEndName = true;

std::vector<T> Rewrite(std::string_view pattern) {
    // Trailing dots and blanks go, but "*." keeps its dot: no dot may follow the star.
    std::size_t kept = pattern.size();
    while (kept > 0 && (pattern[kept - 1] == '.' || pattern[kept - 1] == ' ')) --kept;
    if (pattern.substr(0, kept) == "*.*") return {{Tok::Star}};
    const bool starBeforeDroppedDot =
        kept > 0 && kept < pattern.size() && pattern[kept - 1] == '*' && pattern[kept] == '.';
    const std::string p = std::string(pattern.substr(0, kept)) + (starBeforeDroppedDot ? "." : "");

    std::vector<T> out;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const char next = i + 1 < p.size() ? p[i + 1] : '\0';
        const bool last = i + 1 == p.size();
        if (p[i] == '*')
            out.push_back({next == '.' ? Tok::DosStar : Tok::Star});
        else if (p[i] == '?')
            out.push_back({Tok::DosQm});
        else if (p[i] == '.' && ((kDotMayEndName && (next == '*' || next == '?')) || last))
            out.push_back({Tok::DosDot});
        else
            out.push_back({Tok::Literal, Lower(p[i])});
    }
    return out;
}

class Reference {
  public:
    Reference(std::string_view pattern, std::string_view name)
        : t_(Rewrite(pattern)),
          name_(name),
          lastDot_(name.rfind('.')),
          memo_((t_.size() + 1) * (name.size() + 1), -1) {}

    bool Match() { return !t_.empty() && At(0, 0); }

  private:
    bool At(std::size_t ti, std::size_t ni) {
        if (ti == t_.size()) return ni == name_.size();
        signed char& m = memo_[ti * (name_.size() + 1) + ni];
        if (m < 0) m = Compute(ti, ni) ? 1 : 0;
        return m == 1;
    }

    bool Compute(std::size_t ti, std::size_t ni) {
        const std::size_t n = name_.size();
        switch (t_[ti].tok) {
            case Tok::Literal:
                return ni < n && Lower(name_[ni]) == t_[ti].ch && At(ti + 1, ni + 1);
            case Tok::Star:
                for (std::size_t k = ni; k <= n; ++k)
                    if (At(ti + 1, k)) return true;
                return false;
            case Tok::DosStar:
                // Any run that does not take in the name's last dot.
                for (std::size_t k = ni; k <= n; ++k) {
                    if (At(ti + 1, k)) return true;
                    if (k == lastDot_) return false;
                }
                return false;
            case Tok::DosQm:
                if (ni == n || name_[ni] == '.') return At(ti + 1, ni);
                return At(ti + 1, ni + 1);
            case Tok::DosDot:
                if (ni == n) return At(ti + 1, ni);
                return name_[ni] == '.' && At(ti + 1, ni + 1);
        }
        return false;
    }

    std::vector<T> t_;
    std::string_view name_;
    std::size_t lastDot_;
    std::vector<signed char> memo_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    harbinet::fuzz::Fields in(data, size);
    const std::string pattern(in.Next());
    const std::string name(in.Rest());
    if (pattern.size() > 64 || name.size() > 64) return 0;

    const bool got = harbinet::files::WildcardMatch(pattern, name);
    // Windows has no names that are empty or end in a dot or blank; what matches them is moot.
    if (name.empty() || name.back() == '.' || name.back() == ' ') return 0;
    const bool want = Reference(pattern, name).Match();
    FUZZ_CHECK(got == want, "pattern \"%s\" name \"%s\": matcher says %d, Windows rules %d",
               pattern.c_str(), name.c_str(), got, want);
    return 0;
}
