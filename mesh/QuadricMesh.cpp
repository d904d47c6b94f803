#include "mesh/QuadricMesh.h"

namespace burgeon {

namespace {

// Appends the shape's vertices placed by the frame (positions in double, stored in single
// precision) and its triangles after the primitive's own.
void appendPlaced(MeshPrimitive& primitive, const QuadricShape& shape, const Matrix4& frame) {
    const auto first = static_cast<std::uint32_t>(primitive.vertices.size());
    for (const QuadricVertex& source : shape.vertices) {
        const auto& p = source.position;
        const auto& n = source.normal;
        const Vector3 position = transformPoint(frame, {p[0], p[1], p[2]});
        const Vector3 normal{frame[0] * n[0] + frame[4] * n[1] + frame[8] * n[2],
                             frame[1] * n[0] + frame[5] * n[1] + frame[9] * n[2],
                             frame[2] * n[0] + frame[6] * n[1] + frame[10] * n[2]};
        MeshVertex& vertex = primitive.vertices.emplace_back();
        vertex.position = {static_cast<float>(position.x), static_cast<float>(position.y),
                           static_cast<float>(position.z)};
        vertex.normal = {static_cast<float>(normal.x), static_cast<float>(normal.y),
                         static_cast<float>(normal.z)};
    }
    for (const std::uint32_t index : shape.indices) {
        primitive.indices.push_back(first + index);
    }
}

} // namespace

void appendQuadricCylinder(MeshPrimitive& primitive, double radius, double height, int slices,
                           int stacks, const Matrix4& frame) {
    appendPlaced(primitive, quadricCylinder(radius, height, slices, stacks), frame);
}

void appendQuadricSphere(MeshPrimitive& primitive, double radius, int slices, int stacks,
                         const Matrix4& frame) {
    appendPlaced(primitive, quadricSphere(radius, slices, stacks), frame);
}

} // namespace burgeon
