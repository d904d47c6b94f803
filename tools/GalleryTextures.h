#pragma once

#include "tools/TexturePainting.h"

#include <vector>

namespace burgeon::tools {

struct NamedTexture {
    const char* fileName;
    LeafStyle style;
};

// The leaf textures of the gallery plants, one per plant, each named PLANT-leaf.bmp.
std::vector<NamedTexture> galleryTextures();

} // namespace burgeon::tools
