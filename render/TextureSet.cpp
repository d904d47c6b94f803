#include "render/TextureSet.h"

#include "render/GlHeaders.h"

#include <algorithm>

namespace burgeon {

void uploadTexture(unsigned name, const std::optional<BitmapPixels>& image) {
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    if (image && image->width > 0 && image->height > 0) {
        glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
        glTexImage2D(GL_TEXTURE_2D, 0, 4, image->width, image->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                     image->rgba.data());
    }
}

TextureSet::~TextureSet() {
    release();
}

void TextureSet::loadLandTexture(const std::string& fileName) {
    setLandImage(readBitmapFile(fileName));
}

void TextureSet::setLandImage(const std::optional<BitmapPixels>& image) {
    if (landTexture_ == 0) {
        glGenTextures(1, &landTexture_);
    }
    uploadTexture(landTexture_, image);
}

void TextureSet::synchronise(const LeafTextures& leafTextures) {
    const int used = std::clamp(leafTextures.leafTextureCount, 0, LeafTextureSlotCount);
    for (int i = 0; i < used; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        const LeafTextureSlot& source = leafTextures.slots[slot];
        if (uploaded_[slot] && uploadedGenerations_[slot] == source.generation) {
            continue;
        }
        // A fresh object per load, so a file without a picture does not keep the old one.
        if (leafNames_[slot] != 0) {
            glDeleteTextures(1, &leafNames_[slot]);
        }
        glGenTextures(1, &leafNames_[slot]);
        uploadTexture(leafNames_[slot], source.image);
        uploadedGenerations_[slot] = source.generation;
        uploaded_[slot] = true;
    }
}

unsigned TextureSet::leafPassTexture(const LeafTextures& leafTextures) const {
    const int count = std::min(leafTextures.leafTextureCount, LeafTextureSlotCount);
    if (count <= 0) {
        return landTexture_;
    }
    return leafNames_[static_cast<std::size_t>(count - 1)];
}

void TextureSet::release() {
    for (unsigned& name : leafNames_) {
        if (name != 0) {
            glDeleteTextures(1, &name);
            name = 0;
        }
    }
    uploaded_.fill(false);
    if (landTexture_ != 0) {
        glDeleteTextures(1, &landTexture_);
        landTexture_ = 0;
    }
}

} // namespace burgeon
