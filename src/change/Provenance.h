// Where the bytes of a file Harbinet is about to remove can be found again: the store file it
// was copied from (the copy index vouches for that without reading), or any file of the same
// name in Harbinet's stores, skin catalogue or kept files that holds the same bytes. A file
// whose bytes are nowhere else is the player's and is kept, never deleted.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "change/CopyIndex.h"
#include "model/Folders.h"

namespace harbinet {

class Provenance {
  public:
    explicit Provenance(const Folders& folders);

    CopyIndex& Index() { return index_; }

    // True when path (as stamped, see CopyIndex) is the unchanged copy of source (by the
    // index), or holds its bytes.
    bool IsCurrentCopy(const std::string& path, const files::FileStamp& stamp,
                       const std::string& source);
    // A file in Harbinet's folders, other than path (as stamped) and those in `leaving`, with
    // path's bytes.
    std::optional<std::string> Twin(const std::string& path, const files::FileStamp& stamp,
                                    const std::set<std::string>& leaving);

    // A file that came into Harbinet's folders since: a twin from now on.
    void Added(const std::string& path);

    // The kept files: "Originals/" in the program's folder.
    const std::string& KeptRoot() const { return keptRoot_; }

  private:
    void IndexNames();

    CopyIndex index_;
    std::string own_, keptRoot_;
    std::vector<std::string> roots_;
    bool named_ = false;
    std::multimap<std::string, std::string> byName_;  // lower-case name -> path
    struct Verdict {
        files::FileStamp stamp;
        std::string twin;
        files::FileStamp twinStamp;
    };
    std::map<std::string, Verdict> verdicts_;
};

}  // namespace harbinet
