#include "program/PanelPlacement.h"

#include <gtest/gtest.h>

#include <utility>

namespace harbinet::test {
namespace {

TEST(PanelPlacement, ThePanelOpensAboveLeftOfTheCursorOrTheNearestPlaceInsideTheWorkArea) {
    constexpr int w = 300, h = 178;
    const ScreenRect screen{0, 0, 1280, 1024};
    struct Case {
        const char* tray;
        ScreenPoint cursor;
        ScreenRect area;
        ScreenPoint expected;
    } const cases[] = {
        {"none, room everywhere", {640, 512}, screen, {340, 334}},
        {"top, no strut", {1200, 5}, screen, {900, 5}},
        {"top, a 24-pixel panel", {1200, 10}, {0, 24, 1280, 1000}, {900, 24}},
        {"bottom", {1200, 1015}, {0, 0, 1280, 1000}, {900, 822}},
        {"left", {10, 900}, {24, 0, 1256, 1024}, {24, 722}},
        {"right", {1270, 900}, {0, 0, 1256, 1024}, {956, 722}},
        {"top-left corner", {3, 3}, screen, {3, 3}},
        {"top of a second monitor", {1290, 5}, {1280, 0, 1920, 1080}, {1290, 5}},
        {"a work area smaller than the panel", {50, 50}, {0, 0, 200, 100}, {0, 0}},
    };
    for (const Case& c : cases) {
        const ScreenPoint at = PanelPosition(c.cursor, w, h, c.area);
        EXPECT_EQ(std::pair(at.x, at.y), std::pair(c.expected.x, c.expected.y)) << c.tray;
    }
}

}  // namespace
}  // namespace harbinet::test
