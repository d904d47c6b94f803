#include "drawing/RecordingTarget.h"

#include <cmath>
#include <numbers>

namespace burgeon {

Vector3 RecordedOrgan::lowerEnd() const {
    if (shape == RecordedShape::Internode || shape == RecordedShape::Petiole) {
        return transformPoint(matrix, {0.0, -a, 0.0});
    }
    return upperEnd();
}

Vector3 RecordedOrgan::upperEnd() const {
    return transformPoint(matrix, {0.0, 0.0, 0.0});
}

RecordingTarget::RecordingTarget(std::size_t organReserve, std::size_t depthReserve)
    : stack_(depthReserve + 1, identityMatrix()) {
    organs_.reserve(organReserve);
}

void RecordingTarget::clear() {
    organs_.clear();
    depth_ = 0;
    stack_[0] = identityMatrix();
    node_ = WalkedNode{};
}

void RecordingTarget::pushMatrix() {
    if (depth_ + 1 == stack_.size()) {
        stack_.push_back(stack_[depth_]);
    } else {
        stack_[depth_ + 1] = stack_[depth_];
    }
    ++depth_;
}

void RecordingTarget::popMatrix() {
    if (depth_ > 0) {
        --depth_;
    }
}

void RecordingTarget::multiply(const Matrix4& right) {
    stack_[depth_] = multiplyMatrices(stack_[depth_], right);
}

void RecordingTarget::translate(float x, float y, float z) {
    Matrix4& m = stack_[depth_];
    for (int row = 0; row < 4; ++row) {
        m[12 + row] += m[row] * x + m[4 + row] * y + m[8 + row] * z;
    }
}

void RecordingTarget::scale(float x, float y, float z) {
    Matrix4& m = stack_[depth_];
    for (int row = 0; row < 4; ++row) {
        m[row] *= x;
        m[4 + row] *= y;
        m[8 + row] *= z;
    }
}

// The rotation matrix the pipeline builds for an angle about an axis (normalised first).
// Turns about a coordinate axis, the walk's only kind, touch two columns.
void RecordingTarget::rotate(float degrees, float x, float y, float z) {
    if (degrees == 0.0f) {
        return;
    }
    const bool aboutX = y == 0.0f && z == 0.0f && x > 0.0f;
    const bool aboutY = x == 0.0f && z == 0.0f && y > 0.0f;
    const bool aboutZ = x == 0.0f && y == 0.0f && z > 0.0f;
    if (aboutX || aboutY || aboutZ) {
        const double radians = degrees * std::numbers::pi / 180.0;
        const double c = std::cos(radians);
        const double s = std::sin(radians);
        // Columns a and b turn into each other: a' = c a + s b, b' = c b - s a.
        const int a = aboutX ? 4 : (aboutY ? 8 : 0);
        const int b = aboutX ? 8 : (aboutY ? 0 : 4);
        Matrix4& m = stack_[depth_];
        for (int row = 0; row < 4; ++row) {
            const double columnA = m[a + row];
            const double columnB = m[b + row];
            m[a + row] = c * columnA + s * columnB;
            m[b + row] = c * columnB - s * columnA;
        }
        return;
    }
    multiply(rotationMatrix(degrees, x, y, z));
}

void RecordingTarget::record(RecordedShape shape, double a, double b, double c,
                             const WindTurn& wind) {
    RecordedOrgan& organ = organs_.emplace_back();
    organ.node = node_.index;
    organ.kind = node_.kind;
    organ.level = node_.level;
    organ.age = node_.age;
    organ.birthTime = node_.birthTime;
    organ.shape = shape;
    organ.a = a;
    organ.b = b;
    organ.c = c;
    organ.wind = wind;
    organ.matrix = stack_[depth_];
}

void RecordingTarget::drawInternode(double length, double radius) {
    record(RecordedShape::Internode, length, radius, 0.0, {});
}

void RecordingTarget::drawPetiole(double length, double radius) {
    record(RecordedShape::Petiole, length, radius, 0.0, {});
}

void RecordingTarget::drawLeaf(double depth, double length, double width, const WindTurn& wind) {
    record(RecordedShape::Leaf, depth, length, width, wind);
}

void RecordingTarget::drawFlower(double depth, double length, double width) {
    record(RecordedShape::Flower, depth, length, width, {});
}

void RecordingTarget::drawLand() {
    record(RecordedShape::Land, 0.0, 0.0, 0.0, {});
}

} // namespace burgeon
