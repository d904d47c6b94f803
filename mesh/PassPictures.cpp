#include "mesh/PassPictures.h"

#include <algorithm>

namespace burgeon {

const BitmapPixels* leafPassPicture(const LeafTextures& textures, const BitmapPixels* landPicture) {
    if (!textures.texturesEnabled) {
        return nullptr;
    }
    const int used = std::min(textures.leafTextureCount, LeafTextureSlotCount);
    if (used <= 0) {
        return landPicture;
    }
    const auto& slot = textures.slots[static_cast<std::size_t>(used - 1)];
    return slot.image ? &*slot.image : nullptr;
}

const BitmapPixels* landPassPicture(const LeafTextures& textures, const BitmapPixels* landPicture) {
    return textures.texturesEnabled ? landPicture : nullptr;
}

} // namespace burgeon
