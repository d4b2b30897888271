// The locks of one installation, on a lock file in the program's folder: the running program
// holds one for its life, and whoever changes the installation holds the other meanwhile. Both
// go with the process however it ends, so a crash never leaves the installation locked.
#pragma once

#include <chrono>
#include <string>

namespace harbinet {

class InstallationLock {
  public:
    enum class Kind { Program, Change };

    // Opens (creating it when needed) the lock file of the program in ownFolder.
    explicit InstallationLock(const std::string& ownFolder);
    ~InstallationLock();
    InstallationLock(const InstallationLock&) = delete;
    InstallationLock& operator=(const InstallationLock&) = delete;

    // False when the lock file cannot be opened (a folder the user may not write): the locks
    // then cannot be had, and the callers go on without them.
    bool Usable() const { return fd_ >= 0; }

    // Takes the lock, waiting up to `wait` for another holder to let go; true when held.
    bool Take(Kind kind, std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    // True when another process (or another InstallationLock) holds the lock.
    bool HeldElsewhere(Kind kind) const;

  private:
    int fd_ = -1;
};

}  // namespace harbinet
