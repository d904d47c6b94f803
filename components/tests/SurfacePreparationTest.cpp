#include "components/SurfacePreparation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

using namespace burgeon;

namespace {

OrganShape shapeOf(const std::vector<Vector3>& points,
                   const std::vector<std::array<std::int32_t, 3>>& triangles) {
    OrganShape shape;
    for (const Vector3& p : points) {
        shape.points[static_cast<std::size_t>(++shape.pointCount)] = p;
    }
    for (const auto& t : triangles) {
        shape.triangles[static_cast<std::size_t>(++shape.triangleCount)] = t;
    }
    return shape;
}

OrganSurface preparedLeaf(const OrganShape& shape) {
    OrganSurface surface;
    copyShapeToSurface(shape, surface);
    prepareLeafShape(shape, surface);
    return surface;
}

void expectNear(const Vector3& actual, const Vector3& expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-12);
    EXPECT_NEAR(actual.y, expected.y, 1e-12);
    EXPECT_NEAR(actual.z, expected.z, 1e-12);
}

// A closed fan of `count` faces around point 1, a cone whose tip is raised `height` above
// a ring of radius 10.
OrganShape cone(int count, double height) {
    std::vector<Vector3> points{{0, 0, height}};
    std::vector<std::array<std::int32_t, 3>> triangles;
    for (int k = 0; k < count; ++k) {
        const double angle = 2 * std::numbers::pi * k / count;
        points.push_back({10 * std::cos(angle), 10 * std::sin(angle), 0});
        triangles.push_back({1, 2 + k, 2 + (k + 1) % count});
    }
    return shapeOf(points, triangles);
}

} // namespace

TEST(SurfacePreparation, FaceNormalIsTheUnitCrossProductOrZero) {
    // (p1 - p2) x (p2 - p3) for a face in the z = 0 plane.
    expectNear(faceNormal({0, 0, 0}, {1, 0, 0}, {1, 1, 0}), {0, 0, 1});
    expectNear(faceNormal({0, 0, 0}, {1, 1, 0}, {1, 0, 0}), {0, 0, -1});
    expectNear(faceNormal({0, 0, 0}, {0, 3, 0}, {0, 3, 4}), {1, 0, 0});
    // A degenerate face has no direction: its length counts as 1 and the normal stays zero.
    EXPECT_EQ(faceNormal({1, 2, 3}, {2, 4, 6}, {3, 6, 9}), (Vector3{0, 0, 0}));
    EXPECT_EQ(faceNormal({1, 1, 1}, {1, 1, 1}, {1, 1, 1}), (Vector3{0, 0, 0}));
}

TEST(SurfacePreparation, CopyNarrowsPointsAndTriangles) {
    const OrganShape shape = shapeOf({{0.1, -2.5, 3}, {1, 2, 3}, {4, 5, 6}}, {{3, 1, 2}});
    OrganSurface surface;
    surface.shapeDivisor = 5.0f;
    copyShapeToSurface(shape, surface);
    EXPECT_EQ(surface.points[1].x, 0.1f);
    EXPECT_EQ(surface.points[1].y, -2.5f);
    EXPECT_EQ(surface.pointCount, 3);
    EXPECT_EQ(surface.triangleCount, 1);
    EXPECT_EQ(surface.triangles[1], (std::array<std::uint8_t, 3>{3, 1, 2}));
    EXPECT_EQ(surface.shapeDivisor, 5.0f); // only the selection and "Leaf Size" set it
}

TEST(SurfacePreparation, RectangleGetsFlatNormalsAndTextureCoordinatesAcrossIt) {
    // A 10 x 20 rectangle: u runs 0..1 across x, v from 1 at the lowest y to 0 at the highest.
    const OrganShape rectangle = shapeOf(
        {{0, 0, 0}, {10, 0, 0}, {10, 20, 0}, {0, 20, 0}, {5, 10, 7}}, {{1, 2, 3}, {1, 3, 4}});
    const OrganSurface surface = preparedLeaf(rectangle);
    const std::array<std::array<double, 2>, 5> expected = {
        {{0, 1}, {1, 1}, {1, 0}, {0, 0}, {0.5, 0.5}}};
    for (std::size_t k = 1; k <= 5; ++k) {
        EXPECT_DOUBLE_EQ(surface.texCoords[k][0], expected[k - 1][0]) << k;
        EXPECT_DOUBLE_EQ(surface.texCoords[k][1], expected[k - 1][1]) << k;
    }
    // The upper side's normals point the opposite way to the lower side's.
    for (std::size_t k = 1; k <= 4; ++k) {
        expectNear(surface.normalsFront[k], {0, 0, -1});
        expectNear(surface.normalsBack[k], {0, 0, 1});
    }
    // Point 5 belongs to no triangle: it keeps a zero normal.
    EXPECT_EQ(surface.normalsFront[5], (Vector3{}));
    EXPECT_EQ(surface.normalsBack[5], (Vector3{}));
}

TEST(SurfacePreparation, FlatAxesGiveTextureCoordinateZero) {
    const OrganSurface sameX = preparedLeaf(shapeOf({{5, 0, 0}, {5, 4, 1}, {5, 8, 2}}, {}));
    const OrganSurface sameY = preparedLeaf(shapeOf({{0, 3, 0}, {4, 3, 1}, {8, 3, 2}}, {}));
    const OrganSurface onePoint = preparedLeaf(shapeOf({{2, 3, 4}}, {}));
    for (std::size_t k = 1; k <= 3; ++k) {
        EXPECT_EQ(sameX.texCoords[k][0], 0.0);
        EXPECT_EQ(sameY.texCoords[k][1], 0.0);
        EXPECT_FALSE(std::isnan(sameX.texCoords[k][1]));
        EXPECT_FALSE(std::isnan(sameY.texCoords[k][0]));
    }
    EXPECT_DOUBLE_EQ(sameX.texCoords[2][1], 0.5);
    EXPECT_DOUBLE_EQ(sameY.texCoords[3][0], 1.0);
    EXPECT_EQ(onePoint.texCoords[1], (std::array<double, 2>{0, 0}));
}

TEST(SurfacePreparation, EveryFaceOfAPointCountsInItsMeanNormal) {
    // Twenty faces around the tip of a cone: the mean of their normals is the cone's axis.
    const OrganSurface twenty = preparedLeaf(cone(20, 5));
    EXPECT_NEAR(twenty.normalsFront[1].x, 0, 1e-6);
    EXPECT_NEAR(twenty.normalsFront[1].y, 0, 1e-6);
    EXPECT_NEAR(std::abs(twenty.normalsFront[1].z), 1, 1e-12);
    expectNear(twenty.normalsBack[1],
               {-twenty.normalsFront[1].x, -twenty.normalsFront[1].y, -twenty.normalsFront[1].z});
    // Each ring point is shared by two faces: a unit normal between theirs.
    EXPECT_NEAR(length(twenty.normalsFront[2]), 1, 1e-12);

    // A flat fan of twenty faces, then four more faces standing upright at the centre: all
    // twenty-four count, so the centre's normal leans towards the upright ones.
    OrganShape fan = cone(20, 0);
    const std::int32_t first = fan.pointCount + 1;
    fan.points[static_cast<std::size_t>(first)] = {0, 0, 10};
    fan.points[static_cast<std::size_t>(first + 1)] = {0, 10, 0};
    fan.pointCount += 2;
    for (int i = 0; i < 4; ++i) {
        fan.triangles[static_cast<std::size_t>(++fan.triangleCount)] = {1, first, first + 1};
    }
    const OrganSurface shared = preparedLeaf(fan);
    const Vector3 flatFront = faceNormal(
        {0, 0, 0},
        {10 * std::cos(2 * std::numbers::pi / 20), 10 * std::sin(2 * std::numbers::pi / 20), 0},
        {10, 0, 0});
    const Vector3 uprightFront = faceNormal({0, 0, 0}, {0, 10, 0}, {0, 0, 10});
    const Vector3 sum{20 * flatFront.x + 4 * uprightFront.x, 20 * flatFront.y + 4 * uprightFront.y,
                      20 * flatFront.z + 4 * uprightFront.z};
    const double sumLength = length(sum);
    const Vector3 expected{sum.x / sumLength, sum.y / sumLength, sum.z / sumLength};
    EXPECT_NEAR(shared.normalsFront[1].x, expected.x, 1e-6);
    EXPECT_NEAR(shared.normalsFront[1].y, expected.y, 1e-6);
    EXPECT_NEAR(shared.normalsFront[1].z, expected.z, 1e-6);
    EXPECT_GT(std::abs(shared.normalsFront[1].x), 0.1); // not the flat fan's normal alone
}
