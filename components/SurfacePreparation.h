#pragma once

#include "components/OrganShape.h"
#include "components/OrganSurface.h"

namespace burgeon {

// The unit normal of the face through three points: (p1 - p2) x (p2 - p3), divided by its
// length (a zero length counts as 1, so a degenerate face gives the zero vector).
Vector3 faceNormal(const Vector3& p1, const Vector3& p2, const Vector3& p3);

// Copies a library entry into a current surface: points narrowed to 32-bit floats, point
// numbers of the triangles narrowed to 8 bits (the reader keeps them within 1..121).
void copyShapeToSurface(const OrganShape& entry, OrganSurface& surface);

// Recomputes what the renderer draws a selected shape with: the mean normal of every point
// on both sides, from the surface's 32-bit points widened to 64 bits and the entry's
// triangles. Every face a point belongs to counts in its mean, however many there are.
void computeShapeNormals(const OrganShape& entry, OrganSurface& surface);

// Texture coordinates from the entry's 64-bit points: u runs from 0 at the lowest x to 1 at
// the highest, v from 1 at the lowest y to 0 at the highest. When all points share one x (or
// one y), that coordinate is 0 for every point.
void computeLeafTexCoords(const OrganShape& entry, OrganSurface& surface);

// The library entry a surface's points and triangles make (the points widened to 64 bits),
// for a preview of a surface that came from elsewhere than the library.
OrganShape shapeOfSurface(const OrganSurface& surface);

// Run after a leaf (normals, then texture coordinates) or flower (normals) selection.
void prepareLeafShape(const OrganShape& entry, OrganSurface& surface);
void prepareFlowerShape(const OrganShape& entry, OrganSurface& surface);

} // namespace burgeon
