#include "shell/window_placement.h"

#include <gtest/gtest.h>

namespace talvex {
namespace {

TEST(PlaceHintsAndSheet, SideBySideWhereTheyFitThenAboveThenTheCorner)
{
    // Hints 370 x 310 and sheet 830 x 630, frames included.
    const std::pair<WindowRect, WindowPlacement> cases[] = {
        {{0, 0, 1280, 1024}, {{0, 0, 370, 310}, {378, 0, 830, 630}}},
        {{0, 0, 1024, 768}, {{0, 0, 186, 310}, {194, 0, 830, 630}}},      // hints narrowed
        {{40, 24, 1240, 1000}, {{40, 24, 370, 310}, {418, 24, 830, 630}}}, // panels
        {{0, 0, 900, 1024}, {{0, 0, 370, 310}, {0, 318, 830, 630}}},      // hints above
        {{0, 0, 900, 800}, {{0, 0, 370, 162}, {0, 170, 830, 630}}},       // and lowered
        {{0, 0, 840, 700}, {{0, 0, 370, 310}, {10, 70, 830, 630}}},       // overlap: corner
        {{0, 0, 800, 600}, {{0, 0, 370, 310}, {0, 0, 800, 600}}},         // sheet shrunk
    };
    for (const auto& [area, expected] : cases)
        EXPECT_EQ(PlaceHintsAndSheet(area, 370, 310, 830, 630), expected) << area.width;
}

} // namespace
} // namespace talvex
