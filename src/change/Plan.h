// A change of the installation written out before it runs: the steps in order, each one safe to
// run again after a kill, so that a change cut short is finished by running its plan again.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace harbinet {

struct Action {
    enum class Kind {
        Copy,          // a store file to `path`; a file there that is the player's is kept first
        Keep,          // `path` is already the current copy of `from`: left in place
        Delete,        // a Harbinet copy leaves `path` (kept first should it prove the player's)
        Save,          // the player's file at `path` goes to the kept files
        Move,          // a store file moves from `from` to `path`; a different file there is kept
        MoveIfAbsent,  // as Move, but a different file at `path` stays and `from` is kept instead
        Erase,         // a file the user chose to delete (a skin's own files)
        MakeFolder,
        RemoveFolder,  // only when it is empty
        Setting,       // key `key` of section `section` of the profile file `path` = `value`
        WriteFile,     // `path` replaced by the bytes `value`
    };
    Kind kind = Kind::Copy;
    std::string path;
    std::string from;
    std::string section, key, value;

    static Action Of(Kind kind, std::string path, std::string from = {}) {
        Action a;
        a.kind = kind;
        a.path = std::move(path);
        a.from = std::move(from);
        return a;
    }
    bool operator==(const Action&) const = default;
    // Steps that change nothing on disk (Keep) need no journal.
    bool Changes() const { return kind != Kind::Keep; }
};

struct Plan {
    std::string what;        // what the change does, for the user: "season winter"
    std::string keptFolder;  // where the player's files go, ending in "/"
    std::vector<Action> actions;

    bool Changes() const;
};

// The journal of a plan: the plan, and whether it ran to its end with failures ("failed").
struct Journal {
    Plan plan;
    bool failed = false;
    std::vector<std::string> messages;  // the failures, for a failed journal
};

std::string JournalText(const Journal& journal);
// None for a text that is no journal; a damaged line ends the plan there.
std::optional<Journal> ParseJournal(std::string_view text);

}  // namespace harbinet
