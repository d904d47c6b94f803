#pragma once

#include "drawing/RecordingTarget.h"
#include "mesh/MeshScene.h"

namespace burgeon {

// The matrix of a node transform (translation, rotation, scale).
Matrix4 matrixOf(const Transform& transform);

// Splits a matrix made of rotations, translations and scales along its own axes into
// translation, rotation and the length of each axis. An axis of length 0 leaves the rotation
// to the others (the identity when fewer than two remain).
Transform decomposeMatrix(const Matrix4& matrix);

// The rotation of a unit quaternion (x, y, z, w) applied to a direction.
Vector3 rotateDirection(const std::array<double, 4>& q, const Vector3& v);

// The same rotation with the sign that lies nearer to the previous one, so that keyframes
// interpolate the short way round.
std::array<double, 4> nearerQuaternion(const std::array<double, 4>& previous,
                                       const std::array<double, 4>& rotation);

} // namespace burgeon
