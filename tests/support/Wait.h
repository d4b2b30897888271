// Waiting in tests for something another process does, with a generous bound as a safety net.
#pragma once

#include <chrono>
#include <thread>

namespace harbinet::test {

// Checks the condition until it holds or the bound has passed; true when it held.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds bound = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + bound;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace harbinet::test
