#include "platform/Profile.h"

#include "platform/Files.h"
#include "platform/Text.h"

namespace harbinet::profile {

namespace {

// 0x1A counts as a blank: DOS editors ended files with it.
bool IsBlank(char c) {
    return (c >= 0x09 && c <= 0x0D) || c == ' ' || c == 0x1A;
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

std::string_view Unquote(std::string_view v) {
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

struct Line {
    std::size_t begin = 0;       // first byte of the line
    std::size_t contentEnd = 0;  // before the line end
    std::size_t end = 0;         // after the line end
};

// Walks the lines of a text without copying them.
class LineReader {
  public:
    explicit LineReader(std::string_view text) : text_(text) {
        if (text_.starts_with("\xEF\xBB\xBF")) pos_ = 3;
    }

    bool Next(Line& line) {
        if (pos_ >= text_.size()) return false;
        line.begin = pos_;
        std::size_t eol = text_.find_first_of("\r\n", pos_);
        if (eol == std::string_view::npos) {
            line.contentEnd = line.end = text_.size();
        } else {
            line.contentEnd = eol;
            line.end = eol + 1;
            if (text_[eol] == '\r' && eol + 1 < text_.size() && text_[eol + 1] == '\n') ++line.end;
        }
        pos_ = line.end;
        return true;
    }

  private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

// What a trimmed line is: blank, comment, header (with its name), key line or other.
enum class Kind { Blank, Comment, Header, Key, Other };

struct Parsed {
    Kind kind = Kind::Blank;
    std::string_view name;   // header name or key
    std::string_view value;  // trimmed value of a key line (a view into the text)
};

Parsed Parse(std::string_view raw) {
    Parsed p;
    std::string_view t = Trim(raw);
    if (t.empty()) return p;
    if (t.front() == ';') {
        p.kind = Kind::Comment;
        return p;
    }
    if (t.front() == '[') {
        std::size_t close = t.rfind(']');
        if (close != std::string_view::npos) {
            p.kind = Kind::Header;
            p.name = Trim(t.substr(1, close - 1));
            return p;
        }
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) {
        p.kind = Kind::Other;
        return p;
    }
    p.kind = Kind::Key;
    p.name = Trim(t.substr(0, eq));
    p.value = Trim(t.substr(eq + 1));
    return p;
}

// Where a section and key are in a text.
struct Found {
    bool section = false;
    bool key = false;
    std::string_view value;  // the key's trimmed value, quotes kept
    Line keyLine;
    Line lastEntry;  // the header or the section's last non-blank line
};

// Only the first section of the name is searched and the first key in it wins. With
// wholeSection the scan goes on to the section's end to find its last entry.
Found Find(std::string_view text, std::string_view section, std::string_view key,
           bool wholeSection) {
    Found f;
    section = Trim(section);
    key = Trim(key);
    if (section.empty() || key.empty()) return f;
    LineReader reader(text);
    Line line;
    bool inSection = false;
    while (reader.Next(line)) {
        Parsed p = Parse(text.substr(line.begin, line.contentEnd - line.begin));
        if (p.kind == Kind::Blank) continue;
        if (p.kind == Kind::Header) {
            if (inSection) break;
            if (EqualIgnoringCase(p.name, section)) {
                inSection = f.section = true;
                f.lastEntry = line;
            }
            continue;
        }
        if (!inSection) continue;
        f.lastEntry = line;
        if (p.kind == Kind::Key && !f.key && EqualIgnoringCase(p.name, key)) {
            f.key = true;
            f.value = p.value;
            f.keyLine = line;
            if (!wholeSection) break;
        }
    }
    return f;
}

std::string Cut(std::string_view s, std::size_t size) {
    if (size == 0) return {};
    return std::string(s.substr(0, size - 1));
}

std::string Default(std::string_view defaultValue, std::size_t size) {
    while (!defaultValue.empty() && defaultValue.back() == ' ') defaultValue.remove_suffix(1);
    return Cut(Unquote(defaultValue), size);
}

// The file's own line end: the first one in it, CRLF when it has none.
std::string_view LineEndOf(std::string_view text) {
    std::size_t eol = text.find_first_of("\r\n");
    if (eol == std::string_view::npos) return "\r\n";
    if (text[eol] == '\n') return "\n";
    return (eol + 1 < text.size() && text[eol + 1] == '\n') ? "\r\n" : "\r";
}

bool HasLineBreak(std::string_view s) {
    return s.find_first_of("\r\n") != std::string_view::npos;
}

// The text after the write in out; false when the names or value cannot be written.
bool Write(std::string_view text, std::string_view section, std::string_view key,
           std::string_view value, std::string& out) {
    section = Trim(section);
    key = Trim(key);
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    // These would write lines that read back as something else.
    if (section.empty() || key.empty() || HasLineBreak(section) || HasLineBreak(key) ||
        HasLineBreak(value) || key.find('=') != std::string_view::npos || key.front() == ';' ||
        key.front() == '[')
        return false;

    Found f = Find(text, section, key, true);
    out.clear();
    out.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (f.key) {
        if (f.value == value) {
            out.assign(text);
            return true;
        }
        // From the value to the line end: the key's spelling and the spacing before stay.
        std::size_t from = static_cast<std::size_t>(f.value.data() - text.data());
        out.append(text.substr(0, from)).append(value).append(text.substr(f.keyLine.contentEnd));
        return true;
    }
    std::string_view eol = LineEndOf(text);
    if (f.section) {
        // After the section's last entry; a missing final newline stays missing.
        const Line& last = f.lastEntry;
        out.append(text.substr(0, last.end));
        if (last.end == last.contentEnd) out.append(eol);
        out.append(key).append("=").append(value);
        if (last.end != last.contentEnd) out.append(eol);
        out.append(text.substr(last.end));
        return true;
    }
    std::string_view body = text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text;
    bool endsWithBreak = body.empty() || body.back() == '\n' || body.back() == '\r';
    out.append(text);
    if (!endsWithBreak) out.append(eol);
    out.append("[").append(section).append("]").append(eol);
    out.append(key).append("=").append(value);
    if (endsWithBreak) out.append(eol);
    return true;
}

}  // namespace

// A lock on the folder rather than a lock file leaves nothing behind in the game's folder, and
// it holds across the file being replaced by a rename.
WriteLock::WriteLock(const std::string& file) : folder_(files::FolderOf(file)) {}

bool ReadFile(const std::string& file, std::string& text) {
    return files::ReadWholeFile(file, text, kMaxFileSize);
}

std::string GetStringFromText(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view defaultValue, std::size_t size) {
    Found f = Find(text, section, key, false);
    if (!f.key) return Default(defaultValue, size);
    return Cut(Unquote(f.value), size);
}

std::uint32_t GetIntFromText(std::string_view text, std::string_view section, std::string_view key,
                             std::int32_t defaultValue) {
    Found f = Find(text, section, key, false);
    std::string_view v = f.key ? Unquote(f.value) : std::string_view();
    if (v.empty()) return static_cast<std::uint32_t>(defaultValue);
    std::size_t i = 0;
    while (i < v.size() && IsBlank(v[i])) ++i;
    bool negative = false;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) negative = v[i++] == '-';
    std::uint32_t result = 0;
    for (; i < v.size() && v[i] >= '0' && v[i] <= '9'; ++i)
        result = result * 10u + static_cast<std::uint32_t>(v[i] - '0');
    return negative ? 0u - result : result;
}

std::string WriteStringToText(std::string_view text, std::string_view section, std::string_view key,
                              std::string_view value) {
    std::string out;
    if (!Write(text, section, key, value, out)) return std::string(text);
    return out;
}

std::string GetString(const std::string& file, std::string_view section, std::string_view key,
                      std::string_view defaultValue, std::size_t size) {
    std::string text;
    if (!ReadFile(file, text)) text.clear();
    return GetStringFromText(text, section, key, defaultValue, size);
}

std::uint32_t GetInt(const std::string& file, std::string_view section, std::string_view key,
                     std::int32_t defaultValue) {
    std::string text;
    if (!ReadFile(file, text)) text.clear();
    return GetIntFromText(text, section, key, defaultValue);
}

bool Update(const std::string& file, const std::vector<Entry>& entries, std::string* after) {
    const WriteLock lock(file);
    std::string text;
    // Something there that cannot be read must not be replaced by a file of these keys alone.
    if (!ReadFile(file, text) && files::Stamp(file).type != files::FileStamp::Type::Missing)
        return false;
    std::string updated = text;
    for (const Entry& e : entries) {
        std::string next;
        if (!Write(updated, e.section, e.key, e.value, next)) return false;
        updated = std::move(next);
    }
    // Already there: the file keeps its bytes and its time.
    if (updated != text && !files::WriteFileAtomic(file, updated)) return false;
    if (after) *after = std::move(updated);
    return true;
}

bool WriteString(const std::string& file, std::string_view section, std::string_view key,
                 std::string_view value) {
    return Update(file, {{std::string(section), std::string(key), std::string(value)}});
}

}  // namespace harbinet::profile
