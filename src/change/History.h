// The history of changes: one line a change in "history.log" of the program's folder, oldest
// first, never past 1 MiB (when a line would pass it, the oldest half of the lines goes first).
// A line holds tab-separated fields, texts escaped as EscapeForLine does:
//   TIME  WHAT  ORIGIN  FROM  TO  DELETED  COPIED  KEPT  BYTES  DURATION  RESULT
// e.g. "2026-12-07T09:30:12+01:00  season winter  tray  Channel (autumn)  Channel (winter)  120
// 120  0  268435456  1840 ms  done".
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "change/Change.h"
#include "change/Progress.h"

namespace harbinet {

inline constexpr std::size_t kHistoryLimit = 1u << 20;
// A history longer than this (written by hand) is not read.
inline constexpr std::size_t kHistoryReadLimit = 64u << 20;

struct HistoryEntry {
    std::string time;      // local, ISO 8601 with the offset: "2026-12-07T09:30:12+01:00"
    std::string what;      // the plan's: "season winter", "set 2 (resumed)"
    std::string origin;    // "tray", "automatic", "cli", "launcher hook", "start-up"
    std::string from, to;  // "Channel (winter)", "Pacific" (no season), "default terrain"
    std::uint64_t deleted = 0, copied = 0, kept = 0, bytes = 0;
    std::uint64_t milliseconds = 0;
    std::string result;  // "done", or the failures joined by " / "
};

std::string HistoryPath(const Folders& folders);
std::string_view OriginWord(ChangeOrigin origin);

// One line, without its line end.
std::string HistoryLine(const HistoryEntry& entry);
// None for a damaged line: the wrong number of fields, no valid time first, a count that is no
// number.
std::optional<HistoryEntry> ParseHistoryLine(std::string_view line);

// Adds a line at the end, first dropping the oldest half of the lines (again, while needed)
// when it would make the file pass limit bytes. The whole file is replaced at once.
bool AppendHistoryLine(const std::string& path, std::string_view line,
                       std::size_t limit = kHistoryLimit);
// The valid lines as stored, oldest first; damaged ones are left out.
std::vector<std::string> ReadHistory(const std::string& path);

// A change on its way to the history: begun when made, counted before its steps run, added with
// its outcome at the end.
class HistoryRecord {
  public:
    // Notes the time, who asks and what is installed before the change.
    HistoryRecord(const ProgramState& state, std::string what);

    void Count(const Plan& plan);
    std::chrono::steady_clock::time_point Begun() const { return begun_; }
    // Adds the line; one that cannot be written is told in the result's messages.
    void Add(const ProgramState& state, ChangeResult& result);

  private:
    HistoryEntry entry_;
    std::chrono::steady_clock::time_point begun_;
};

}  // namespace harbinet
