#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace burgeon {

// The cylinder and the sphere of GLU's quadrics as a default quadric object sends them
// (filled, smooth normals pointing outwards, no texture coordinates): the same vertices in the
// same order with the same single-precision arithmetic, each quad of a strip split into two
// triangles as the pipeline splits it. The renderer's reduced detail and the mesh export
// both build on these, so a shape at full detail is the one the pipeline draws.

struct QuadricVertex {
    std::array<float, 3> position{};
    std::array<float, 3> normal{};
};

// Vertices and three indices a triangle, counter-clockwise seen from outside.
struct QuadricShape {
    std::vector<QuadricVertex> vertices;
    std::vector<std::uint32_t> indices;
};

// The full detail of a capped segment: a 32 x 1 cylinder and a 16 x 16 sphere.
constexpr int CylinderSlices = 32;
constexpr int CylinderStacks = 1;
constexpr int CapSlices = 16;
constexpr int CapStacks = 16;

// gluCylinder(radius, radius, height, slices, stacks): stacks quad strips of slices + 1 pairs,
// along +Z from 0 to height.
QuadricShape quadricCylinder(double radius, double height, int slices, int stacks);

// gluSphere(radius, slices, stacks): a triangle fan at each pole and stacks - 2 quad strips.
QuadricShape quadricSphere(double radius, int slices, int stacks);

constexpr int cylinderVertexCount(int slices, int stacks) {
    return stacks * 2 * (slices + 1);
}
constexpr int cylinderTriangleCount(int slices, int stacks) {
    return stacks * 2 * slices;
}
constexpr int sphereVertexCount(int slices, int stacks) {
    return 2 * (slices + 2) + (stacks - 2) * 2 * (slices + 1);
}
constexpr int sphereTriangleCount(int slices, int stacks) {
    return 2 * slices + (stacks - 2) * 2 * slices;
}

} // namespace burgeon
