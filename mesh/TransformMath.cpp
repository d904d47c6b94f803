#include "mesh/TransformMath.h"

#include <cmath>

namespace burgeon {

namespace {

Vector3 column(const Matrix4& m, int index) {
    const auto base = static_cast<std::size_t>(index * 4);
    return {m[base], m[base + 1], m[base + 2]};
}

// The unit quaternion of an orthonormal basis (the columns of a rotation matrix).
std::array<double, 4> quaternionOfBasis(const Vector3& x, const Vector3& y, const Vector3& z) {
    const double trace = x.x + y.y + z.z;
    std::array<double, 4> q{};
    if (trace > 0.0) {
        const double s = 2.0 * std::sqrt(trace + 1.0);
        q = {(y.z - z.y) / s, (z.x - x.z) / s, (x.y - y.x) / s, 0.25 * s};
    } else if (x.x > y.y && x.x > z.z) {
        const double s = 2.0 * std::sqrt(1.0 + x.x - y.y - z.z);
        q = {0.25 * s, (y.x + x.y) / s, (z.x + x.z) / s, (y.z - z.y) / s};
    } else if (y.y > z.z) {
        const double s = 2.0 * std::sqrt(1.0 + y.y - x.x - z.z);
        q = {(y.x + x.y) / s, 0.25 * s, (z.y + y.z) / s, (z.x - x.z) / s};
    } else {
        const double s = 2.0 * std::sqrt(1.0 + z.z - x.x - y.y);
        q = {(z.x + x.z) / s, (z.y + y.z) / s, 0.25 * s, (x.y - y.x) / s};
    }
    const double norm = std::sqrt(q[0] * q[0] + q[1] * q[1] + q[2] * q[2] + q[3] * q[3]);
    for (double& component : q) {
        component /= norm;
    }
    // One sign for every rotation (w >= 0), so equal rotations give equal keyframes.
    if (q[3] < 0.0) {
        for (double& component : q) {
            component = -component;
        }
    }
    return q;
}

} // namespace

Matrix4 matrixOf(const Transform& transform) {
    const Vector3 x = rotateDirection(transform.rotation, {1.0, 0.0, 0.0});
    const Vector3 y = rotateDirection(transform.rotation, {0.0, 1.0, 0.0});
    const Vector3 z = rotateDirection(transform.rotation, {0.0, 0.0, 1.0});
    const auto& s = transform.scale;
    const auto& t = transform.translation;
    return {x.x * s[0], x.y * s[0], x.z * s[0], 0.0, y.x * s[1], y.y * s[1], y.z * s[1], 0.0,
            z.x * s[2], z.y * s[2], z.z * s[2], 0.0, t[0],       t[1],       t[2],       1.0};
}

Transform decomposeMatrix(const Matrix4& matrix) {
    Transform transform;
    transform.translation = {matrix[12], matrix[13], matrix[14]};
    Vector3 axes[3] = {column(matrix, 0), column(matrix, 1), column(matrix, 2)};
    int missing = 0;
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const double axisLength = length(axes[i]);
        transform.scale[index] = axisLength;
        if (axisLength > 0.0) {
            axes[i] = scaled(axes[i], 1.0 / axisLength);
        } else {
            ++missing;
        }
    }
    if (missing > 1) {
        return transform;
    }
    // An axis squashed to nothing is the one the other two make.
    if (transform.scale[0] == 0.0) {
        axes[0] = cross(axes[1], axes[2]);
    } else if (transform.scale[1] == 0.0) {
        axes[1] = cross(axes[2], axes[0]);
    } else if (transform.scale[2] == 0.0) {
        axes[2] = cross(axes[0], axes[1]);
    }
    transform.rotation = quaternionOfBasis(axes[0], axes[1], axes[2]);
    return transform;
}

Vector3 rotateDirection(const std::array<double, 4>& q, const Vector3& v) {
    // v' = v + 2 w (u x v) + 2 u x (u x v), u the vector part.
    const Vector3 u{q[0], q[1], q[2]};
    const Vector3 uv = cross(u, v);
    const Vector3 uuv = cross(u, uv);
    return {v.x + 2.0 * (q[3] * uv.x + uuv.x), v.y + 2.0 * (q[3] * uv.y + uuv.y),
            v.z + 2.0 * (q[3] * uv.z + uuv.z)};
}

std::array<double, 4> nearerQuaternion(const std::array<double, 4>& previous,
                                       const std::array<double, 4>& rotation) {
    const double dot = previous[0] * rotation[0] + previous[1] * rotation[1] +
                       previous[2] * rotation[2] + previous[3] * rotation[3];
    if (dot >= 0.0) {
        return rotation;
    }
    return {-rotation[0], -rotation[1], -rotation[2], -rotation[3]};
}

} // namespace burgeon
