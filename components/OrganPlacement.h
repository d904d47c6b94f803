#pragma once

#include <cstdint>

namespace burgeon {

// Size factors and angles of the leaf and flower placement (Component page), and the
// number of petals.
struct OrganPlacement {
    float LeafSizeX = 1.0f, LeafSizeY = 0.75f, LeafSizeZ = 1.0f;
    float LeafAngleX = -60.0f, LeafAngleY = 0.0f, LeafAngleZ = 0.0f;
    float FlowerSizeX = 1.0f, FlowerSizeY = 0.75f, FlowerSizeZ = 1.0f;
    float FlowerAngleX = 0.0f, FlowerAngleY = 0.0f, FlowerAngleZ = 0.0f;
    std::int32_t PetalCount = 8;
    bool LeafSurfaceMode = true;
};

} // namespace burgeon
