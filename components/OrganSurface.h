#pragma once

#include "base/Geometry.h"
#include "components/OrganPlacement.h"

#include <array>
#include <cstdint>

namespace burgeon {

constexpr int MaxShapePoints = 121;
constexpr int MaxShapeTriangles = 150;

struct PointF {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

// The current leaf or flower surface handed to the renderer, with what a selection prepares
// from it: per-point normals of both sides and, for the leaf, texture coordinates. Points
// and triangles are numbered from 1 (slot 0 unused).
struct OrganSurface {
    std::array<PointF, MaxShapePoints + 1> points{};
    std::array<std::array<std::uint8_t, 3>, MaxShapeTriangles + 1> triangles{};
    std::int32_t pointCount = 0;
    std::int32_t triangleCount = 0;
    float shapeDivisor = 1000.0f / 15.0f;
    std::array<Vector3, MaxShapePoints + 1> normalsFront{};
    std::array<Vector3, MaxShapePoints + 1> normalsBack{};
    std::array<std::array<double, 2>, MaxShapePoints + 1> texCoords{}; // leaf only
};

} // namespace burgeon
