// A change of the game folder's terrain, skin and common files, marked on disk for as long as
// it runs, so that a change cut short by a crash or a kill is finished at the next start.
#pragma once

#include <string>
#include <vector>

#include "model/ProgramState.h"

namespace harbinet {

// True when the game's executable is in the game folder; until it is, that folder is not
// changed.
bool GameFound(const Folders& folders);

// True when a change was cut short, or a part of it failed, and has not been finished since.
bool ChangeUnfinished(const Folders& folders);

class GameFolderChange {
  public:
    // Begins a change for terrain set `set` (0: the game's default terrain). The outermost
    // change checks that the game is there and that the set's name can be used as a folder
    // name, says so when not, marks the change on disk and shows the busy tray icon.
    GameFolderChange(ProgramState& state, unsigned set);
    // The outermost change clears the mark, unless a part failed, and shows the normal icon.
    ~GameFolderChange();
    GameFolderChange(const GameFolderChange&) = delete;
    GameFolderChange& operator=(const GameFolderChange&) = delete;

    // False: nothing may be changed (the user was told why).
    bool Begun() const { return begun_; }

    // A settings or game-INI write that failed: reported, and the change counts as failed.
    bool Wrote(bool written, const std::string& path);
    // Source files that could not be copied: reported by name, and the change counts as failed.
    void NotCopied(const std::vector<std::string>& sources);

  private:
    ProgramState& state_;
    bool begun_ = false;
};

}  // namespace harbinet
