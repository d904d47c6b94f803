#pragma once

#include "imageio/BmpReader.h"

#include <array>
#include <optional>
#include <string>

namespace burgeon {

constexpr int LeafTextureSlotCount = 10;

// One texture slot: the picture read from its file (nothing when the file could not be read,
// so the texture holds no picture) and a generation number that changes at every load, so
// the renderer knows when to upload it again.
struct LeafTextureSlot {
    std::optional<BitmapPixels> image;
    unsigned generation = 0;
};

// The leaf texture slots: the leaf pass binds slot LeafTextureCount - 1, and the land texture
// while no slot is in use.
struct LeafTextures {
    std::array<LeafTextureSlot, LeafTextureSlotCount> slots{};
    int LeafTextureCount = 0;
};

} // namespace burgeon
