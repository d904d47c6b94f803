#include "drawing/OrganDetail.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

namespace burgeon {
namespace {

// How far the chords of a circle of n slices lie inside it at their middle.
double chordError(double radius, int slices) {
    return radius * (1.0 - std::cos(std::numbers::pi / slices));
}

TEST(OrganDetail, CircleSlicesAreTheFewestThatKeepTheOutlineWithinAQuarterPixel) {
    for (const double radius : {0.3, 0.5, 1.0, 2.0, 4.0, 9.5, 20.0, 40.0}) {
        SCOPED_TRACE(radius);
        const int slices = circleSlices(radius, 1000);
        EXPECT_LE(chordError(radius, slices), ChordTolerancePixels + 1e-12);
        if (slices > 3) {
            EXPECT_GT(chordError(radius, slices - 1), ChordTolerancePixels);
        }
    }
    EXPECT_EQ(circleSlices(1.0, 32), 5);
    EXPECT_EQ(circleSlices(40.0, 32), 29);
    EXPECT_EQ(circleSlices(100.0, 32), 32) << "never more than the most asked for";
    EXPECT_EQ(circleSlices(0.0, 32), 3) << "a point still gets an outline";
    EXPECT_EQ(circleSlices(std::numeric_limits<double>::infinity(), 32), 32);
    EXPECT_EQ(circleSlices(std::numeric_limits<double>::quiet_NaN(), 32), 3);
}

TEST(OrganDetail, HalvingKeepsOnlyDivisionsOfTheFullShape) {
    EXPECT_EQ(halvedDivisions(5, 32, 4), 8);
    EXPECT_EQ(halvedDivisions(3, 32, 4), 4) << "no fewer than the fewest";
    EXPECT_EQ(halvedDivisions(17, 32, 4), 32);
    EXPECT_EQ(halvedDivisions(16, 32, 4), 16);
    EXPECT_EQ(halvedDivisions(1, 16, 2), 2);
    EXPECT_EQ(halvedDivisions(3, 12, 2), 3) << "an odd count is not halved further";
}

TEST(OrganDetail, SegmentsLargeOnScreenKeepFullDetailAndSmallOnesAreHalved) {
    EXPECT_EQ(segmentDetail(FullDetailCylinderPixels + 0.01, HalfStacksCapPixels + 0.01),
              SegmentDetail{});
    EXPECT_EQ(segmentDetail(FullDetailCylinderPixels + 0.01, FullDetailCapPixels + 0.01),
              (SegmentDetail{CylinderSlices, CapSlices, CapStacks / 2}))
        << "a cap a little larger: square facets of full detail's slice";
    EXPECT_EQ(segmentDetail(std::numeric_limits<double>::infinity(),
                            std::numeric_limits<double>::infinity()),
              SegmentDetail{});

    const SegmentDetail small = segmentDetail(0.9, 1.4);
    EXPECT_EQ(small.cylinderSlices, 8) << "5 slices keep 0.9 px, the next halving is 8";
    EXPECT_EQ(small.capSlices, 8);
    EXPECT_EQ(small.capStacks, 4) << "a stack spans half the angle of a slice";

    const SegmentDetail tiny = segmentDetail(0.1, 0.1);
    EXPECT_EQ(tiny, (SegmentDetail{4, 4, 2}));
    EXPECT_EQ(segmentDetail(0.0, 0.0), tiny) << "a segment behind the eye";

    // The cylinder and the cap are judged each by its own size.
    EXPECT_EQ(segmentDetail(5.0, 0.1).cylinderSlices, CylinderSlices);
    EXPECT_EQ(segmentDetail(5.0, 0.1).capSlices, 4);
    EXPECT_EQ(segmentDetail(0.1, 5.0).cylinderSlices, 4);
    EXPECT_EQ(segmentDetail(0.1, 5.0).capStacks, CapStacks);
    EXPECT_EQ(segmentDetail(0.1, 2.0).capStacks, CapStacks / 2);

    // Finer as it grows on screen, never coarser.
    SegmentDetail last = segmentDetail(0.0, 0.0);
    for (double pixels = 0.0; pixels < 4.0; pixels += 0.05) {
        const SegmentDetail detail = segmentDetail(pixels, pixels);
        EXPECT_GE(detail.cylinderSlices, last.cylinderSlices) << pixels;
        EXPECT_GE(detail.capSlices, last.capSlices) << pixels;
        EXPECT_GE(detail.capStacks, last.capStacks) << pixels;
        EXPECT_EQ(CylinderSlices % detail.cylinderSlices, 0) << pixels;
        EXPECT_EQ(CapSlices % detail.capSlices, 0) << pixels;
        EXPECT_EQ(CapStacks % detail.capStacks, 0) << pixels;
        last = detail;
    }
}

// gluPerspective(fovy 90 degrees, aspect 4:3, near 0.1, far 500), column-major.
std::array<float, 16> perspective() {
    const double f = 1.0;
    const double near = 0.1;
    const double far = 500.0;
    std::array<float, 16> m{};
    m[0] = static_cast<float>(f * 3.0 / 4.0);
    m[5] = static_cast<float>(f);
    m[10] = static_cast<float>((far + near) / (near - far));
    m[11] = -1.0f;
    m[14] = static_cast<float>(2.0 * far * near / (near - far));
    return m;
}

TEST(OrganDetail, ThePixelsARadiusSpansShrinkWithDistance) {
    // 600 pixels high over a height of 2 at distance 1: 300 pixels per unit there.
    const ScreenScale screen(perspective(), 800, 600);
    EXPECT_DOUBLE_EQ(screen.clipW({0.0, 0.0, -10.0}), 10.0);
    EXPECT_NEAR(segmentPixels(screen, 0.1, {0.0, 0.0, -10.0}, {0.0, 0.0, -10.0}), 30.0 / 9.9, 1e-9)
        << "a sphere is judged where it comes nearest";
    EXPECT_NEAR(segmentPixels(screen, 0.1, {0.0, 0.0, -10.0}, {0.0, -1.0, -20.0}), 30.0 / 9.9, 1e-9)
        << "a segment by its nearer end";
    EXPECT_NEAR(segmentPixels(screen, -0.1, {0.0, 0.0, -10.0}, {0.0, 0.0, -10.0}), 30.0 / 9.9,
                1e-9);
    EXPECT_EQ(segmentPixels(screen, 0.1, {0.0, 0.0, 5.0}, {0.0, 0.0, 6.0}), 0.0)
        << "behind the eye: nothing to see";
    EXPECT_EQ(segmentPixels(screen, 0.1, {0.0, 0.0, 5.0}, {0.0, 0.0, -6.0}),
              std::numeric_limits<double>::infinity())
        << "through the eye's plane: as fine as can be";
}

} // namespace
} // namespace burgeon
