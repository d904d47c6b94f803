#include "drawing/ScreenTriangles.h"

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

using Eye = std::array<float, 3>;

bool turnsAway(const ScreenTriangles& facing, Eye a, Eye b, Eye c) {
    return facing.turnsAway(facing.clip(a.data()), facing.clip(b.data()), facing.clip(c.data()));
}

bool shows(const ScreenTriangles& screen, Eye a, Eye b, Eye c) {
    return screen.shows(screen.clip(a.data()), screen.clip(b.data()), screen.clip(c.data()));
}

// The eye-space point at depth 1 that lands on window point (x, y) of a 400 x 400 viewport at
// the origin under perspective().
Eye onWindow(double x, double y) {
    return {static_cast<float>(x / 200.0 - 1.0), static_cast<float>(y / 200.0 - 1.0), -1.0f};
}

TEST(ScreenTriangles, TrianglesTurningAwayAreKnownAndHairsAreLeftToThePipeline) {
    const ScreenTriangles facing(perspective(), {0, 0, 400, 400}, true);
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
    // Culled only where the pipeline culls.
    EXPECT_FALSE(shows(facing, {0, 0, -5}, {0, 1, -5}, {1, 0, -5}));
    const ScreenTriangles unculled(perspective(), {0, 0, 400, 400}, false);
    EXPECT_TRUE(shows(unculled, {0, 0, -5}, {0, 1, -5}, {1, 0, -5}));
}

TEST(ScreenTriangles, OnlyTrianglesClearOfEveryPixelCentreAreLeftOut) {
    const ScreenTriangles screen(perspective(), {0, 0, 400, 400}, true);
    // A small triangle round the centre of pixel (10, 20), and one between centres.
    EXPECT_TRUE(shows(screen, onWindow(10.3, 20.3), onWindow(10.8, 20.3), onWindow(10.3, 20.8)));
    EXPECT_FALSE(shows(screen, onWindow(10.6, 20.6), onWindow(11.4, 20.6), onWindow(10.6, 21.4)));
    // Either way round, when nothing is culled.
    const ScreenTriangles unculled(perspective(), {0, 0, 400, 400}, false);
    EXPECT_TRUE(shows(unculled, onWindow(10.3, 20.3), onWindow(10.3, 20.8), onWindow(10.8, 20.3)));
    EXPECT_FALSE(shows(unculled, onWindow(10.6, 20.6), onWindow(10.6, 21.4), onWindow(11.4, 20.6)));
    // A long sliver passing between two rows of centres, and one grazing a row: the pipeline
    // may take a centre on the edge, so it is kept.
    EXPECT_FALSE(shows(screen, onWindow(10.0, 20.6), onWindow(13.0, 20.6), onWindow(10.0, 20.7)));
    EXPECT_TRUE(shows(screen, onWindow(10.0, 20.5), onWindow(13.0, 20.5), onWindow(10.0, 20.7)));
    EXPECT_TRUE(shows(screen, onWindow(10.0, 20.51), onWindow(13.0, 20.51), onWindow(10.0, 20.7)));
    // Beside the viewport, however large.
    EXPECT_FALSE(shows(screen, onWindow(-90, 20), onWindow(-1, 20), onWindow(-1, 300)));
    // Larger ones are not looked into, though this sliver misses every centre; nor is one
    // reaching the eye's plane.
    EXPECT_TRUE(shows(screen, onWindow(10.6, 20.6), onWindow(30.6, 22.6), onWindow(30.6, 22.62)));
    EXPECT_TRUE(shows(screen, {0, 0, 5}, {0, 1, -5}, {1, 0, -5}));
}

} // namespace
} // namespace burgeon
