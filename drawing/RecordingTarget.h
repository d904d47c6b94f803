#pragma once

#include "base/Geometry.h"
#include "components/OrganSurface.h"
#include "drawing/DrawingTarget.h"

#include <array>
#include <cstddef>
#include <vector>

namespace burgeon {

enum class RecordedShape { Internode, Petiole, Leaf, Flower, Land };

// One shape drawn: the node being walked (its index, kind, level, age and birth time), the shape,
// its arguments (length and radius for a cylinder; depth, length and width for a surface), the wind
// of a leaf and the model-view matrix in force when it was drawn.
struct RecordedOrgan {
    int node = 0;
    OrganKind kind{};
    int level = 0;
    double age = 0.0;
    double birthTime = 0.0;
    RecordedShape shape = RecordedShape::Land;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    WindTurn wind;
    Matrix4 matrix{};

    // A segment's lower and upper end (the cylinder runs from the origin down by its
    // length); a surface's origin for both.
    Vector3 lowerEnd() const;
    Vector3 upperEnd() const;
};

// The drawing interface without a context: the same matrix operations in double precision
// on a stack of its own, and a list of every shape drawn. Storage is reserved up front, so a
// frame of a plant within the reserve allocates nothing.
class RecordingTarget : public DrawingTarget {
public:
    explicit RecordingTarget(std::size_t organReserve = 16384, std::size_t depthReserve = 256);

    // Forgets the recorded shapes and resets the matrix to the identity (keeps the storage).
    void clear();

    const std::vector<RecordedOrgan>& organs() const { return organs_; }
    const Matrix4& currentMatrix() const { return stack_[depth_]; }
    std::size_t depth() const { return depth_; }

    void pushMatrix() override;
    void popMatrix() override;
    void translate(float x, float y, float z) override;
    void rotate(float degrees, float x, float y, float z) override;
    void scale(float x, float y, float z) override;
    void drawInternode(double length, double radius) override;
    void drawPetiole(double length, double radius) override;
    void drawLeaf(double depth, double length, double width, const WindTurn& wind) override;
    void drawFlower(double depth, double length, double width) override;
    void drawLand() override;
    void enterNode(const WalkedNode& node) override { node_ = node; }

private:
    void record(RecordedShape shape, double a, double b, double c, const WindTurn& wind);
    void multiply(const Matrix4& right);

    std::vector<Matrix4> stack_;
    std::size_t depth_ = 0;
    std::vector<RecordedOrgan> organs_;
    WalkedNode node_;
};

} // namespace burgeon
