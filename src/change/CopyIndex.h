// The record of the copies Harbinet made: for each file it copied into the game folder or a
// staging folder, the stamps of the copy and of its store file right after copying. While both
// stamps hold, the copy is provably the store file's bytes: it may be kept as current, or
// deleted, since the store still has it.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/Files.h"

namespace harbinet {

class CopyIndex {
  public:
    // The index file, and the folder its paths are kept relative to (the game folder).
    CopyIndex(std::string file, std::string base);

    // A missing or damaged file reads as an empty index: copies are then proven by their bytes.
    void Load();
    // Writes the index when it changed, dropping the copies that are gone; false when it could
    // not be written (the copies are then proven by their bytes next time).
    bool Save();

    // True when target is a copy of source and neither has changed since.
    bool IsCurrentCopy(const std::string& target, const std::string& source) const;
    // The store file whose unchanged copy target is; none when the index cannot vouch for it.
    std::optional<std::string> SourceOf(const std::string& target) const;
    // The store file target was copied from, whatever became of either since.
    std::optional<std::string> RecordedSource(const std::string& target) const;

    // Records target as a copy of source, as both are now.
    void Record(const std::string& target, const std::string& source);
    void Forget(const std::string& target);

  private:
    struct Copy {
        std::string source;
        files::FileStamp sourceStamp, targetStamp;
    };
    std::string Relative(const std::string& path) const;
    std::string Absolute(const std::string& path) const;
    const Copy* Find(const std::string& target) const;

    std::string file_, base_;
    std::map<std::string, Copy> copies_;  // by target, relative to base_
    bool changed_ = false;
};

}  // namespace harbinet
