#pragma once

#include "drawing/QuadricShapes.h"
#include "drawing/RecordingTarget.h"
#include "mesh/MeshScene.h"

namespace burgeon {

// GLU's quadrics (drawing/QuadricShapes) placed into a mesh primitive: positions and normals
// are placed by `frame` (a rotation, and any translation) before they are appended.

// gluCylinder(radius, radius, height, slices, stacks): stacks quad strips of slices + 1 pairs.
void appendQuadricCylinder(MeshPrimitive& primitive, double radius, double height, int slices,
                           int stacks, const Matrix4& frame);

// gluSphere(radius, slices, stacks): a triangle fan at each pole and stacks - 2 quad strips.
void appendQuadricSphere(MeshPrimitive& primitive, double radius, int slices, int stacks,
                         const Matrix4& frame);

} // namespace burgeon
