#include "drawing/SegmentMesh.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace burgeon {
namespace {

// gluPerspective(fovy 90 degrees, aspect 4/3, near 0.1, far 100), column-major, on a 400 x 300
// viewport that culls back faces.
ScreenView view() {
    ScreenView result;
    result.projection[0] = 0.75f;
    result.projection[5] = 1.0f;
    result.projection[10] = -100.1f / 99.9f;
    result.projection[11] = -1.0f;
    result.projection[14] = -20.0f / 99.9f;
    result.viewport = {0, 0, 400, 300};
    result.cullsBackFaces = true;
    return result;
}

// A segment standing at eye-space point (x, y, z), tipped about Z by `tilt` radians.
CappedSegment segmentAt(float x, float y, float z, double tilt, double length, double radius,
                        RgbColor color) {
    CappedSegment segment;
    const auto c = static_cast<float>(std::cos(tilt));
    const auto s = static_cast<float>(std::sin(tilt));
    segment.modelView = {c, s, 0, 0, -s, c, 0, 0, 0, 0, 1, 0, x, y, z, 1};
    segment.length = length;
    segment.radius = radius;
    segment.color = color;
    return segment;
}

// A bush of segments from a pixel across to dozens, near and far, in two colours.
std::vector<CappedSegment> bush(int count) {
    std::vector<CappedSegment> segments;
    for (int k = 0; k < count; ++k) {
        const double turn = 0.37 * k;
        const float depth = -2.0f - static_cast<float>(k % 40);
        segments.push_back(segmentAt(static_cast<float>(std::cos(turn)) * 0.4f * -depth,
                                     static_cast<float>(std::sin(turn)) * 0.3f * -depth, depth,
                                     turn, 0.2 + 0.01 * (k % 13), 0.005 + 0.002 * (k % 17),
                                     k % 3 == 0 ? RgbColor{90, 60, 30} : RgbColor{40, 120, 40}));
    }
    return segments;
}

TEST(SegmentMesh, TwoThreadsMakeTheMeshesOfOne) {
    const std::vector<CappedSegment> segments = bush(700);
    SegmentMesher alone(std::numeric_limits<std::size_t>::max());
    SegmentMesher shared(1);
    std::vector<ColorMesh> one;
    std::vector<ColorMesh> two;
    alone.build(segments, view(), one);
    shared.build(segments, view(), two);
    ASSERT_EQ(one.size(), 2u);
    ASSERT_EQ(two.size(), one.size());
    for (std::size_t k = 0; k < one.size(); ++k) {
        EXPECT_EQ(two[k].color, one[k].color);
        EXPECT_EQ(two[k].vertices, one[k].vertices);
        EXPECT_EQ(two[k].indices, one[k].indices);
        EXPECT_FALSE(one[k].indices.empty());
    }
}

TEST(SegmentMesh, ColoursComeInTheOrderMetAndEmptySegmentsAddNothing) {
    const RgbColor bark{90, 60, 30};
    const RgbColor green{40, 120, 40};
    const CappedSegment stem = segmentAt(0, 0, -3, 0, 0.5, 0.05, green);
    SegmentMesher mesher;
    std::vector<ColorMesh> meshes;
    mesher.build({stem}, view(), meshes);
    ASSERT_EQ(meshes.size(), 1u);
    const std::size_t stemIndices = meshes[0].indices.size();

    mesher.build({stem, segmentAt(0.5f, 0, -3, 0, 0.5, 0.0, bark),
                  segmentAt(-0.5f, 0, -3, 0, 0.5, 0.05, green)},
                 view(), meshes);
    ASSERT_EQ(meshes.size(), 1u) << "a segment of no radius covers no pixel";
    EXPECT_EQ(meshes[0].color, green);
    EXPECT_GT(meshes[0].indices.size(), stemIndices);

    // Built again into the same meshes: nothing of the last build stays.
    mesher.build({segmentAt(0.5f, 0, -3, 0, 0.5, 0.05, bark), stem}, view(), meshes);
    ASSERT_EQ(meshes.size(), 2u);
    EXPECT_EQ(meshes[0].color, bark);
    EXPECT_EQ(meshes[1].color, green);
    EXPECT_EQ(meshes[1].indices.size(), stemIndices);
}

TEST(SegmentMesh, ASegmentBesideTheViewOrBehindTheEyeAddsNoTriangle) {
    SegmentMesher mesher;
    std::vector<ColorMesh> meshes;
    mesher.build({segmentAt(50, 0, -3, 0, 0.5, 0.05, {1, 2, 3})}, view(), meshes);
    ASSERT_EQ(meshes.size(), 1u);
    EXPECT_TRUE(meshes[0].indices.empty());
}

} // namespace
} // namespace burgeon
