#include "mesh/QuadricMesh.h"
#include "mesh/TransformMath.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace burgeon;

namespace {

Vector3 toVector(const std::array<float, 3>& v) {
    return {v[0], v[1], v[2]};
}

Vector3 minus(const Vector3& a, const Vector3& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

double dot(const Vector3& a, const Vector3& b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

// Every triangle turns its front (counter-clockwise) side the way its vertex normals point,
// and every normal has unit length.
void expectOutwardFronts(const MeshPrimitive& primitive) {
    for (const MeshVertex& vertex : primitive.vertices) {
        EXPECT_NEAR(std::sqrt(dot(toVector(vertex.normal), toVector(vertex.normal))), 1.0, 1e-6);
    }
    for (std::size_t i = 0; i < primitive.indices.size(); i += 3) {
        const MeshVertex& a = primitive.vertices[primitive.indices[i]];
        const MeshVertex& b = primitive.vertices[primitive.indices[i + 1]];
        const MeshVertex& c = primitive.vertices[primitive.indices[i + 2]];
        const Vector3 face = cross(minus(toVector(b.position), toVector(a.position)),
                                   minus(toVector(c.position), toVector(a.position)));
        const Vector3 normals{a.normal[0] + b.normal[0] + c.normal[0],
                              a.normal[1] + b.normal[1] + c.normal[1],
                              a.normal[2] + b.normal[2] + c.normal[2]};
        EXPECT_GT(dot(face, normals), 0.0) << "triangle " << i / 3;
    }
}

TEST(QuadricMesh, CylinderIsOneQuadStripOfTheSlicesTurnedDown) {
    MeshPrimitive cylinder;
    appendQuadricCylinder(cylinder, 0.2, 1.5, 32, 1, rotationMatrix(90.0, 1.0, 0.0, 0.0));
    ASSERT_EQ(cylinder.vertices.size(), 66u);
    EXPECT_EQ(cylinder.triangleCount(), 64u);
    EXPECT_EQ(cylinderVertexCount(32, 1), 66);
    EXPECT_EQ(cylinderTriangleCount(32, 1), 64);
    for (std::size_t i = 0; i < cylinder.vertices.size(); ++i) {
        const auto& p = cylinder.vertices[i].position;
        EXPECT_NEAR(std::hypot(p[0], p[2]), 0.2, 1e-6);
        // Pairs of base (at the origin) and top (down -Y by the height).
        EXPECT_NEAR(p[1], i % 2 == 0 ? 0.0 : -1.5, 1e-6);
        EXPECT_NEAR(cylinder.vertices[i].normal[1], 0.0, 1e-6);
    }
    // GLU starts at angle 0 on the quadric's +Y, which the turn takes to +Z.
    EXPECT_NEAR(cylinder.vertices[0].position[2], 0.2, 1e-6);
    expectOutwardFronts(cylinder);
}

TEST(QuadricMesh, SphereIsTwoFansAndTheBandsBetween) {
    MeshPrimitive sphere;
    appendQuadricSphere(sphere, 0.3, 16, 16, identityMatrix());
    EXPECT_EQ(sphere.vertices.size(), static_cast<std::size_t>(sphereVertexCount(16, 16)));
    EXPECT_EQ(sphere.vertices.size(), 512u);
    EXPECT_EQ(sphere.triangleCount(), 480u);
    EXPECT_EQ(sphereTriangleCount(16, 16), 480);
    for (const MeshVertex& vertex : sphere.vertices) {
        const Vector3 p = toVector(vertex.position);
        EXPECT_NEAR(std::sqrt(dot(p, p)), 0.3, 1e-6);
        // A sphere's normal is its position's direction.
        EXPECT_NEAR(dot(toVector(vertex.normal), p), 0.3, 1e-6);
    }
    // The fans start at the poles, the upper one first.
    EXPECT_FLOAT_EQ(sphere.vertices[0].position[2], 0.3f);
    EXPECT_FLOAT_EQ(sphere.vertices[18].position[2], -0.3f);
    expectOutwardFronts(sphere);
}

TEST(QuadricMesh, FramePlacesPositionsAndTurnsNormals) {
    Matrix4 frame = rotationMatrix(90.0, 0.0, 0.0, 1.0);
    frame[12] = 5.0;
    MeshPrimitive sphere;
    appendQuadricSphere(sphere, 1.0, 16, 16, frame);
    for (const MeshVertex& vertex : sphere.vertices) {
        const Vector3 fromCentre = minus(toVector(vertex.position), {5.0, 0.0, 0.0});
        EXPECT_NEAR(dot(toVector(vertex.normal), fromCentre), 1.0, 1e-6);
    }
}

} // namespace
