#pragma once

#include "drawing/RecordingTarget.h"
#include "mesh/MeshScene.h"

#include <vector>

namespace burgeon {

// An organ node with what places its mesh in the scene: positions go through `world` (the
// plant's frame, then the node's); normals only turn with `turn`, as the renderer lights a
// surface with its shape's normals turned, whatever its size.
struct PlacedNode {
    const OrganNode* node = nullptr;
    Matrix4 world = identityMatrix();
    Matrix4 turn = identityMatrix();
};

// The plant's organs in drawing order, then the land.
std::vector<PlacedNode> placedNodes(const MeshScene& scene);

// A mesh vertex where the scene shows it (its normal of unit length, or zero where the shape
// has none).
MeshVertex placedVertex(const PlacedNode& placed, const MeshVertex& vertex);

} // namespace burgeon
