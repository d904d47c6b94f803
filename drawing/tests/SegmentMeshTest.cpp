#include "drawing/SegmentMesh.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

// The threads' split follows how long each half took, so it moves from build to build; here
// the second half's segments are far nearer and larger on screen than the first half's, so the
// first builds split the work unevenly and later ones elsewhere.
TEST(SegmentMesh, TwoThreadsMakeTheMeshesOfOneWhereverTheySplit) {
    std::vector<CappedSegment> segments = bush(700);
    for (std::size_t k = segments.size() / 2; k < segments.size(); ++k) {
        segments[k].modelView[14] = -1.5f;
        segments[k].radius *= 4.0;
    }
    SegmentMesher alone(std::numeric_limits<std::size_t>::max());
    SegmentMesher shared(1);
    std::vector<ColorMesh> one;
    alone.build(segments, view(), one);
    ASSERT_EQ(one.size(), 2u);
    for (int build = 0; build < 8; ++build) {
        std::vector<ColorMesh> two;
        shared.build(segments, view(), two);
        ASSERT_EQ(two.size(), one.size());
        for (std::size_t k = 0; k < one.size(); ++k) {
            EXPECT_EQ(two[k].color, one[k].color);
            EXPECT_EQ(two[k].vertices, one[k].vertices) << "build " << build;
            EXPECT_EQ(two[k].indices, one[k].indices) << "build " << build;
            EXPECT_FALSE(one[k].indices.empty());
        }
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

// A segment at eye-space point (x, y, z) turned by `angle` radians about the unit axis (ax,
// ay, az) and scaled by `scale`.
CappedSegment turnedSegment(const std::array<float, 3>& at, const std::array<double, 3>& axis,
                            double angle, double scale, double length, double radius) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    const double t = 1.0 - c;
    const auto [x, y, z] = axis;
    const std::array<double, 9> turn = {t * x * x + c,     t * x * y + s * z, t * x * z - s * y,
                                        t * x * y - s * z, t * y * y + c,     t * y * z + s * x,
                                        t * x * z + s * y, t * y * z - s * x, t * z * z + c};
    CappedSegment segment;
    for (std::size_t column = 0; column < 3; ++column) {
        for (std::size_t row = 0; row < 3; ++row) {
            segment.modelView[4 * column + row] =
                static_cast<float>(scale * turn[3 * column + row]);
        }
    }
    segment.modelView[12] = at[0];
    segment.modelView[13] = at[1];
    segment.modelView[14] = at[2];
    segment.modelView[15] = 1.0f;
    segment.length = length;
    segment.radius = radius;
    return segment;
}

using Triangle = std::array<float, 18>;

std::vector<Triangle> trianglesOf(const std::vector<ColorMesh>& meshes) {
    std::vector<Triangle> triangles;
    for (const ColorMesh& mesh : meshes) {
        for (std::size_t t = 0; t + 2 < mesh.indices.size(); t += 3) {
            Triangle triangle{};
            for (std::size_t k = 0; k < 3; ++k) {
                const float* vertex = mesh.vertices.data() + 6 * mesh.indices[t + k];
                std::copy(vertex, vertex + 6,
                          triangle.begin() + static_cast<std::ptrdiff_t>(6 * k));
            }
            triangles.push_back(triangle);
        }
    }
    return triangles;
}

// Whether the triangle turns its back to the eye on the screen, however little.
bool turnsItsBack(const ScreenTriangles& screen, const Triangle& triangle) {
    const ScreenTriangles::Clip a = screen.clip(&triangle[3]);
    const ScreenTriangles::Clip b = screen.clip(&triangle[9]);
    const ScreenTriangles::Clip c = screen.clip(&triangle[15]);
    return a.w > 0.0 && b.w > 0.0 && c.w > 0.0 &&
           (b.windowX - a.windowX) * (c.windowY - a.windowY) -
                   (b.windowY - a.windowY) * (c.windowX - a.windowX) <
               0.0;
}

// Segments turned every way, near the eye and far, large and a few pixels across, mirrored, of
// a negative radius or length. Made with back faces culled, the mesh holds the triangles made
// without culling that the pipeline would draw, in the same order: the ones it leaves out are the
// back faces, the ones left out before they were placed among them.
TEST(SegmentMesh, CullingLeavesOutBackFacesOnly) {
    std::vector<CappedSegment> segments;
    for (int k = 0; k < 400; ++k) {
        const double u = 0.61 * k;
        const double v = 1.37 * k;
        const std::array<double, 3> axis = {std::cos(u) * std::sin(v), std::sin(u) * std::sin(v),
                                            std::cos(v)};
        const auto depth = static_cast<float>(-0.4 - 0.05 * (k % 60));
        const std::array<float, 3> at = {static_cast<float>(std::sin(2.3 * k)) * 0.5f * -depth,
                                         static_cast<float>(std::cos(1.7 * k)) * 0.4f * -depth,
                                         depth};
        const double radius = (k % 7 == 0 ? -1.0 : 1.0) * (0.003 + 0.004 * (k % 23));
        const double scale = k % 11 == 0 ? -1.0 : 0.5 + 0.1 * (k % 9);
        const double length = k % 13 == 0 ? -0.3 : 0.3;
        segments.push_back(turnedSegment(at, axis, 0.9 * k, scale, length, radius));
    }
    ScreenView unculled = view();
    unculled.cullsBackFaces = false;
    SegmentMesher mesher;
    std::vector<ColorMesh> culled;
    std::vector<ColorMesh> whole;
    mesher.build(segments, view(), culled);
    mesher.build(segments, unculled, whole);
    const std::vector<Triangle> kept = trianglesOf(culled);
    const std::vector<Triangle> all = trianglesOf(whole);
    const ScreenTriangles screen(view().projection, view().viewport, true);
    std::size_t next = 0;
    std::size_t frontFaces = 0;
    for (const Triangle& triangle : all) {
        if (next < kept.size() && kept[next] == triangle) {
            ++next;
        } else {
            EXPECT_TRUE(turnsItsBack(screen, triangle)) << "a front face was left out";
        }
        frontFaces += turnsItsBack(screen, triangle) ? 0 : 1;
    }
    EXPECT_EQ(next, kept.size()) << "the culled mesh holds a triangle the whole one lacks";
    EXPECT_GE(kept.size(), frontFaces);
    EXPECT_GT(frontFaces, 10000u);
}

} // namespace
} // namespace burgeon
