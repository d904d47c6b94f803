#pragma once

#include "drawing/RecordingTarget.h"
#include "mesh/MeshScene.h"

namespace burgeon {

// The triangles GLU's quadrics send with a default quadric object (filled, smooth normals
// pointing outwards, no texture coordinates): the same vertices in the same order with the
// same single-precision arithmetic, each quad of a strip split into two triangles as the
// pipeline splits it. Positions and normals are placed by `frame` (a rotation, and any
// translation) before they are appended to the primitive.

// gluCylinder(radius, radius, height, slices, stacks): stacks quad strips of slices + 1 pairs.
void appendQuadricCylinder(MeshPrimitive& primitive, double radius, double height, int slices,
                           int stacks, const Matrix4& frame);

// gluSphere(radius, slices, stacks): a triangle fan at each pole and stacks - 2 quad strips.
void appendQuadricSphere(MeshPrimitive& primitive, double radius, int slices, int stacks,
                         const Matrix4& frame);

// What the renderer issues for one capped segment (a 32 x 1 cylinder and a 16 x 16 sphere).
constexpr int CylinderSlices = 32;
constexpr int CylinderStacks = 1;
constexpr int CapSlices = 16;
constexpr int CapStacks = 16;

// Vertex and triangle counts of those two quadrics.
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
