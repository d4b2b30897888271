// Byte-range locks of LockFileEx on one byte each of the lock file: they belong to the handle,
// so two InstallationLocks of one process conflict as two processes do, and Windows lets them go
// with the process however it ends.
#include "platform/InstallationLock.h"

#include "platform/windows/WinApi.h"

#include <algorithm>
#include <array>
#include <map>
#include <mutex>
#include <thread>

namespace harbinet {

namespace {

DWORD ByteOf(InstallationLock::Kind kind) {
    return kind == InstallationLock::Kind::Program ? 0 : 1;
}

// Windows cannot test a lock without taking it. A look takes it shared, so that looks of several
// processes at once never see each other as holders; a holder takes it exclusive.
bool Lock(HANDLE file, DWORD byte, bool exclusive = true) {
    OVERLAPPED at{};
    at.Offset = byte;
    const DWORD flags = LOCKFILE_FAIL_IMMEDIATELY | (exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0);
    return ::LockFileEx(file, flags, 0, 1, 0, &at) != 0;
}

// A look of another process holds the byte for an instant: a refused lock is asked again for
// this long at least before it counts as held.
constexpr std::chrono::milliseconds kLookTime{100};

bool Unlock(HANDLE file, DWORD byte) {
    OVERLAPPED at{};
    at.Offset = byte;
    return ::UnlockFileEx(file, 0, 1, 0, &at) != 0;
}

// The kinds each open lock file holds here, by its id: LockFileEx cannot tell our own lock from
// another's.
std::mutex heldMutex;
std::map<int, std::array<bool, 2>> held;

void SetHeld(int id, InstallationLock::Kind kind, bool value) {
    std::lock_guard<std::mutex> lock(heldMutex);
    held[id][ByteOf(kind)] = value;
}

bool IsHeld(int id, InstallationLock::Kind kind) {
    std::lock_guard<std::mutex> lock(heldMutex);
    const auto it = held.find(id);
    return it != held.end() && it->second[ByteOf(kind)];
}

}  // namespace

InstallationLock::InstallationLock(const std::string& folder) {
    const std::string path = folder + ".harbinet.lock";
    HANDLE file = ::CreateFileW(win::PathW(path).c_str(), GENERIC_READ | GENERIC_WRITE,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    fd_ = win::Remember(file);
}

InstallationLock::~InstallationLock() {
    if (fd_ < 0) return;
    {
        std::lock_guard<std::mutex> lock(heldMutex);
        held.erase(fd_);
    }
    win::Forget(fd_);
}

bool InstallationLock::Take(Kind kind, std::chrono::milliseconds wait) {
    if (fd_ < 0) return false;
    HANDLE file = win::Recall(fd_);
    const auto deadline = std::chrono::steady_clock::now() + std::max(wait, kLookTime);
    for (;;) {
        if (Lock(file, ByteOf(kind))) {
            SetHeld(fd_, kind, true);
            return true;
        }
        if (::GetLastError() != ERROR_LOCK_VIOLATION && ::GetLastError() != ERROR_IO_PENDING)
            return false;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        // A holder lets go when its change ends; LockFileEx's own wait could not be bounded.
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

void InstallationLock::Release(Kind kind) {
    if (fd_ < 0) return;
    if (Unlock(win::Recall(fd_), ByteOf(kind))) SetHeld(fd_, kind, false);
}

bool InstallationLock::HeldElsewhere(Kind kind) const {
    if (fd_ < 0 || IsHeld(fd_, kind)) return false;
    HANDLE file = win::Recall(fd_);
    if (!Lock(file, ByteOf(kind), false)) return true;
    Unlock(file, ByteOf(kind));
    return false;
}

}  // namespace harbinet
