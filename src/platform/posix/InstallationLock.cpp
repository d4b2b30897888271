// Open-file-description locks on one byte each: unlike flock they give two independent locks
// in one file, and unlike process-owned record locks they conflict within one process too.
#include "platform/InstallationLock.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>

namespace harbinet {

namespace {

struct flock ByteOf(InstallationLock::Kind kind, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = kind == InstallationLock::Kind::Program ? 0 : 1;
    lock.l_len = 1;
    return lock;
}

}  // namespace

InstallationLock::InstallationLock(const std::string& folder) {
    const std::string path = folder + ".harbinet.lock";
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
}

InstallationLock::~InstallationLock() {
    if (fd_ >= 0) ::close(fd_);
}

bool InstallationLock::Take(Kind kind, std::chrono::milliseconds wait) {
    if (fd_ < 0) return false;
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        struct flock lock = ByteOf(kind, F_WRLCK);
        if (::fcntl(fd_, F_OFD_SETLK, &lock) == 0) return true;
        if (errno != EAGAIN && errno != EACCES && errno != EINTR) return false;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        // A holder lets go when its change ends; a blocking wait could not be bounded.
        const struct timespec pause = {0, 20'000'000};
        ::nanosleep(&pause, nullptr);
    }
}

void InstallationLock::Release(Kind kind) {
    if (fd_ < 0) return;
    struct flock lock = ByteOf(kind, F_UNLCK);
    ::fcntl(fd_, F_OFD_SETLK, &lock);
}

bool InstallationLock::HeldElsewhere(Kind kind) const {
    if (fd_ < 0) return false;
    struct flock lock = ByteOf(kind, F_WRLCK);
    return ::fcntl(fd_, F_OFD_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
}

}  // namespace harbinet
