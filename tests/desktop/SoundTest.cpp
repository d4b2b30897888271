// Sounds through the system desktop on a machine without sound output.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

#include <gtest/gtest.h>

#include "platform/Desktop.h"
#include "support/TempDir.h"

namespace harbinet {
namespace {

// Started from a terminal, the program must not fill it with the sound library's complaints
// about a sound card that is not there.
TEST(PlaySound, WithoutSoundOutputNothingReachesStandardError) {
    test::TempDir dir;
    const std::string err = dir / "stderr.txt";
    // No sound server whatever the machine has; a sound card, if any, plays quietly.
    ::setenv("XDG_RUNTIME_DIR", dir.Path().c_str(), 1);
    ::unsetenv("PULSE_SERVER");
    const int ownErr = ::dup(2);
    const int file = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    ::dup2(file, 2);
    ::close(file);
    auto desktop = MakeSystemDesktop();
    for (int i = 0; i < 2; ++i) desktop->PlaySound(HARBINET_CLICK_WAV);
    std::fflush(stderr);
    ::dup2(ownErr, 2);
    ::close(ownErr);
    EXPECT_EQ(test::ReadFile(err), "");
}

}  // namespace
}  // namespace harbinet
