#include "drawing/ScreenFacing.h"

#include <gtest/gtest.h>

#include <array>

namespace burgeon {
namespace {

// gluPerspective(fovy 90 degrees, aspect 1, near 0.1, far 100), column-major.
std::array<float, 16> perspective() {
    std::array<float, 16> m{};
    m[0] = 1.0f;
    m[5] = 1.0f;
    m[10] = -100.1f / 99.9f;
    m[11] = -1.0f;
    m[14] = -20.0f / 99.9f;
    return m;
}

bool turnsAway(const ScreenFacing& facing, std::array<float, 3> a, std::array<float, 3> b,
               std::array<float, 3> c) {
    return facing.turnsAway(facing.clip(a.data()), facing.clip(b.data()), facing.clip(c.data()));
}

TEST(ScreenFacing, TrianglesTurningAwayAreKnownAndHairsAreLeftToThePipeline) {
    const ScreenFacing facing(perspective(), 400, 400);
    // Counter-clockwise seen from the eye: the front.
    EXPECT_FALSE(turnsAway(facing, {0, 0, -5}, {1, 0, -5}, {0, 1, -5}));
    EXPECT_TRUE(turnsAway(facing, {0, 0, -5}, {0, 1, -5}, {1, 0, -5}));
    // A wall left of the eye, its normal towards the eye (+X) in the first order.
    EXPECT_FALSE(turnsAway(facing, {-3, 0, -5}, {-3, 0, -6}, {-3, 1, -5}));
    EXPECT_TRUE(turnsAway(facing, {-3, 0, -5}, {-3, 1, -5}, {-3, 0, -6}));
    // Almost edge-on, a hundredth of a pixel's area at most: the pipeline decides.
    EXPECT_FALSE(turnsAway(facing, {0, 0, -5}, {0, 1, -5}, {1e-6f, 0, -5}));
    // Reaching behind the eye: clipped by the pipeline first.
    EXPECT_FALSE(turnsAway(facing, {0, 0, 5}, {0, 1, -5}, {1, 0, -5}));
}

} // namespace
} // namespace burgeon
