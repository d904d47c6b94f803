#pragma once

#include <array>

namespace burgeon {

// A point or direction in the view's units.
struct Vector3 {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    friend bool operator==(const Vector3&, const Vector3&) = default;
};

// A 4 x 4 matrix in column-major order, as the pipeline keeps it.
using Matrix4 = std::array<double, 16>;

Matrix4 identityMatrix();
// left x right.
Matrix4 multiplyMatrices(const Matrix4& left, const Matrix4& right);
// The matrix the pipeline builds for a turn of `degrees` about an axis (normalised first); the
// identity for an axis of length 0.
Matrix4 rotationMatrix(double degrees, double x, double y, double z);
// The inverse of a matrix that only turns (its transpose).
Matrix4 inverseRotation(const Matrix4& rotation);
Vector3 transformPoint(const Matrix4& matrix, const Vector3& point);

double length(const Vector3& v);
Vector3 scaled(const Vector3& v, double factor);
Vector3 cross(const Vector3& a, const Vector3& b);

} // namespace burgeon
