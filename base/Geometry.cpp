#include "base/Geometry.h"

#include <cmath>
#include <numbers>

namespace burgeon {

Matrix4 identityMatrix() {
    Matrix4 matrix{};
    matrix[0] = matrix[5] = matrix[10] = matrix[15] = 1.0;
    return matrix;
}

Matrix4 multiplyMatrices(const Matrix4& left, const Matrix4& right) {
    Matrix4 product{};
    for (std::size_t c = 0; c < 4; ++c) {
        for (std::size_t r = 0; r < 4; ++r) {
            double sum = 0.0;
            for (std::size_t k = 0; k < 4; ++k) {
                sum += left[k * 4 + r] * right[c * 4 + k];
            }
            product[c * 4 + r] = sum;
        }
    }
    return product;
}

Matrix4 rotationMatrix(double degrees, double x, double y, double z) {
    const double axisLength = std::sqrt(x * x + y * y + z * z);
    if (axisLength == 0.0) {
        return identityMatrix();
    }
    const double ux = x / axisLength;
    const double uy = y / axisLength;
    const double uz = z / axisLength;
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const double t = 1.0 - c;
    Matrix4 r{};
    r[0] = t * ux * ux + c;
    r[1] = t * ux * uy + s * uz;
    r[2] = t * ux * uz - s * uy;
    r[4] = t * ux * uy - s * uz;
    r[5] = t * uy * uy + c;
    r[6] = t * uy * uz + s * ux;
    r[8] = t * ux * uz + s * uy;
    r[9] = t * uy * uz - s * ux;
    r[10] = t * uz * uz + c;
    r[15] = 1.0;
    return r;
}

Matrix4 inverseRotation(const Matrix4& rotation) {
    Matrix4 inverse = identityMatrix();
    for (std::size_t c = 0; c < 3; ++c) {
        for (std::size_t r = 0; r < 3; ++r) {
            inverse[c * 4 + r] = rotation[r * 4 + c];
        }
    }
    return inverse;
}

Vector3 transformPoint(const Matrix4& m, const Vector3& p) {
    return {m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12],
            m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
            m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]};
}

double length(const Vector3& v) {
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

Vector3 scaled(const Vector3& v, double factor) {
    return {v.x * factor, v.y * factor, v.z * factor};
}

Vector3 cross(const Vector3& a, const Vector3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

} // namespace burgeon
