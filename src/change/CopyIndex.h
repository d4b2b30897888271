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

    // The stamps given are the caller's own looks at the files, taken since the last change
    // this process made to them: one taken earlier than that proves nothing. A stamp taken
    // before the files were read or compared is safe to give: should the file change after it,
    // its next stamp differs, and the index no longer vouches for it.

    // True when target is a copy of source and neither has changed since their stamps.
    bool IsCurrentCopy(const std::string& target, const std::string& source,
                       const files::FileStamp& targetStamp,
                       const files::FileStamp& sourceStamp) const;
    // The store file whose unchanged copy target (as stamped) is, with the source's stamp; none
    // when the index cannot vouch for it.
    std::optional<std::string> SourceOf(const std::string& target,
                                        const files::FileStamp& targetStamp,
                                        files::FileStamp* sourceStamp = nullptr) const;
    // The store file target was copied from, whatever became of either since.
    std::optional<std::string> RecordedSource(const std::string& target) const;

    // Records target as a copy of source, as their stamps say they are.
    void Record(const std::string& target, const std::string& source,
                const files::FileStamp& targetStamp, const files::FileStamp& sourceStamp);
    void Forget(const std::string& target);

  private:
    struct Copy {
        std::string source;
        files::FileStamp sourceStamp, targetStamp;
        // Recorded by this process from a stamp of the target: it was there then, and a step
        // that takes a file away forgets it.
        bool seen = false;
    };
    std::string Relative(const std::string& path) const;
    std::string Absolute(const std::string& path) const;
    const Copy* Find(const std::string& target) const;

    std::string file_, base_;
    std::map<std::string, Copy> copies_;  // by target, relative to base_
    bool changed_ = false;
};

}  // namespace harbinet
