// Every test program runs with HOME and XDG_CONFIG_HOME in a temporary folder, so that no
// installation a test starts, in the process or in a program it runs, writes to the real desktop.
#include <gtest/gtest.h>

#include <memory>

#include "support/UserHome.h"

namespace harbinet::test {
namespace {

class IsolatedHome : public ::testing::Environment {
  public:
    void SetUp() override { home_ = std::make_unique<UserHome>(); }
    void TearDown() override { home_.reset(); }

  private:
    std::unique_ptr<UserHome> home_;
};

[[maybe_unused]] ::testing::Environment* const kIsolatedHome =
    ::testing::AddGlobalTestEnvironment(new IsolatedHome);

}  // namespace
}  // namespace harbinet::test
