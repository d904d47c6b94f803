#pragma once

#include <cstdint>

namespace burgeon {

// Size factors and angles of the leaf and flower placement (Component page), and the
// number of petals.
struct OrganPlacement {
    float leafSizeX = 1.0f, leafSizeY = 0.75f, leafSizeZ = 1.0f;
    float leafAngleX = -60.0f, leafAngleY = 0.0f, leafAngleZ = 0.0f;
    float flowerSizeX = 1.0f, flowerSizeY = 0.75f, flowerSizeZ = 1.0f;
    float flowerAngleX = 0.0f, flowerAngleY = 0.0f, flowerAngleZ = 0.0f;
    std::int32_t petalCount = 8;
    bool leafSurfaceMode = true;
};

} // namespace burgeon
