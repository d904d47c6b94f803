#pragma once

#include "components/LeafTextures.h"

#include <array>
#include <string>

namespace burgeon {

// The texture objects of the view: the land texture and one object per leaf texture slot,
// uploaded again whenever a slot's generation changes. A file that cannot be read leaves its
// texture without a picture, so textured passes show the plain colour.
class TextureSet {
public:
    TextureSet() = default;
    TextureSet(const TextureSet&) = delete;
    TextureSet& operator=(const TextureSet&) = delete;
    ~TextureSet();

    void loadLandTexture(const std::string& fileName);
    void setLandImage(const std::optional<BitmapPixels>& image);
    // Brings the leaf texture objects up to date with the slots.
    void synchronise(const LeafTextures& leafTextures);
    // The texture the leaf pass binds: slot leafTextureCount - 1, the land's while none.
    unsigned leafPassTexture(const LeafTextures& leafTextures) const;
    unsigned landTexture() const { return landTexture_; }
    void release();

private:
    unsigned landTexture_ = 0;
    std::array<unsigned, LeafTextureSlotCount> leafNames_{};
    std::array<unsigned, LeafTextureSlotCount> uploadedGenerations_{};
    std::array<bool, LeafTextureSlotCount> uploaded_{};
};

// Makes a texture object current with the parameters of every texture (repeat, linear
// magnification, nearest minification) and uploads the picture when there is one.
void uploadTexture(unsigned name, const std::optional<BitmapPixels>& image);

} // namespace burgeon
