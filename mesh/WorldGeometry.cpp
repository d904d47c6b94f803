#include "mesh/WorldGeometry.h"

#include "mesh/TransformMath.h"

#include <cmath>

namespace burgeon {

namespace {

Matrix4 turnOf(const Transform& transform) {
    Transform turn;
    turn.rotation = transform.rotation;
    return matrixOf(turn);
}

} // namespace

std::vector<PlacedNode> placedNodes(const MeshScene& scene) {
    std::vector<PlacedNode> placed;
    placed.reserve(scene.organs.size() + 1);
    const Matrix4 plantWorld = matrixOf(scene.plant);
    const Matrix4 plantTurn = turnOf(scene.plant);
    for (const OrganNode& organ : scene.organs) {
        placed.push_back({&organ, multiplyMatrices(plantWorld, matrixOf(organ.transform)),
                          multiplyMatrices(plantTurn, turnOf(organ.transform))});
    }
    if (scene.land) {
        placed.push_back(
            {&*scene.land, matrixOf(scene.land->transform), turnOf(scene.land->transform)});
    }
    return placed;
}

MeshVertex placedVertex(const PlacedNode& placed, const MeshVertex& vertex) {
    MeshVertex out = vertex;
    const auto& p = vertex.position;
    const Vector3 position = transformPoint(placed.world, {p[0], p[1], p[2]});
    out.position = {static_cast<float>(position.x), static_cast<float>(position.y),
                    static_cast<float>(position.z)};
    const auto& n = vertex.normal;
    const Matrix4& m = placed.turn;
    const double x = m[0] * n[0] + m[4] * n[1] + m[8] * n[2];
    const double y = m[1] * n[0] + m[5] * n[1] + m[9] * n[2];
    const double z = m[2] * n[0] + m[6] * n[1] + m[10] * n[2];
    const double length = std::sqrt(x * x + y * y + z * z);
    const double inverse = length > 0.0 ? 1.0 / length : 0.0;
    out.normal = {static_cast<float>(x * inverse), static_cast<float>(y * inverse),
                  static_cast<float>(z * inverse)};
    return out;
}

} // namespace burgeon
