// The locks of an installation, on a lock file ".harbinet.lock" in a folder: the running program
// holds the program lock of its own folder for its life, and whoever changes a game folder
// holds the change lock of the game folder meanwhile, whichever Harbinet folder serves it. Both
// go with the process however it ends, so a crash never leaves the installation locked.
#pragma once

#include <chrono>
#include <string>

namespace harbinet {

class InstallationLock {
  public:
    enum class Kind { Program, Change };

    // Opens (creating it when needed) the lock file in folder.
    explicit InstallationLock(const std::string& folder);
    ~InstallationLock();
    InstallationLock(const InstallationLock&) = delete;
    InstallationLock& operator=(const InstallationLock&) = delete;

    // False when the lock file cannot be opened (a folder the user may not write): the locks
    // then cannot be had, and the callers go on without them.
    bool Usable() const { return fd_ >= 0; }

    // Takes the lock, waiting up to `wait` for another holder to let go; true when held.
    bool Take(Kind kind, std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    void Release(Kind kind);
    // True when another process (or another InstallationLock) holds the lock.
    bool HeldElsewhere(Kind kind) const;

  private:
    int fd_ = -1;
};

}  // namespace harbinet
