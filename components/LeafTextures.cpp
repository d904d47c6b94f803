#include "components/LeafTextures.h"

#include "base/DataFolder.h"

#include <algorithm>

namespace burgeon {

int loadLeafTexture(LeafTextures& textures, const std::string& fileName) {
    textures.leafTextureCount = std::min(textures.leafTextureCount + 1, LeafTextureSlotCount);
    const int index = textures.leafTextureCount - 1;
    LeafTextureSlot& slot = textures.slots[static_cast<std::size_t>(index)];
    slot.fileName = fileName;
    slot.image = readBitmapFile(fileName);
    ++slot.generation;
    return index;
}

int loadListLeafTexture(LeafTextures& textures, const std::string& fileName) {
    textures.leafTextureCount = 1;
    return loadLeafTexture(textures, findDataFile(fileName));
}

} // namespace burgeon
