#pragma once

#include "imageio/BmpReader.h"

#include <array>
#include <optional>
#include <string>

namespace burgeon {

constexpr int LeafTextureSlotCount = 10;

// The file of the land texture, read from the current folder as the desktop's view reads it
// (the installed copy when the folder has none). It is the first built-in leaf texture too.
inline constexpr const char* LandTextureFile = "grass1.bmp";

// The built-in leaf textures: item n of the list loads file n (1-based).
constexpr std::array<const char*, 15> BuiltInLeafTextureFiles = {
    LandTextureFile, "leaf.bmp",     "leaf3.bmp",   "leaf4.bmp",   "leaf5.bmp",
    "leaf6.bmp",     "leaf7.bmp",    "leaf8.bmp",   "leaf9.bmp",   "leaf10.bmp",
    "leaf11.bmp",    "soybean1.bmp", "rubber1.bmp", "rubber2.bmp", "rubber3.bmp"};

// One texture slot: the picture read from its file (nothing when the file could not be read,
// so the texture holds no picture) and a generation number that changes at every load, so
// the renderer knows when to upload it again.
struct LeafTextureSlot {
    std::string fileName; // as it was loaded
    std::optional<BitmapPixels> image;
    unsigned generation = 0;
};

// The leaf texture slots: the leaf pass binds slot leafTextureCount - 1, and the land texture
// while no slot is in use.
struct LeafTextures {
    std::array<LeafTextureSlot, LeafTextureSlotCount> slots{};
    int leafTextureCount = 0;
    // "Set Leaf Texture": the land and the leaves are textured only while it is set.
    bool texturesEnabled = true;
};

// Loads a bitmap file as the current leaf texture: takes the next slot (leafTextureCount grows
// by one) and fills it from the file, with no picture when the file cannot be read. Without a
// reset the slots run out after ten loads; further loads reuse the last slot. Returns the
// index of the slot filled.
int loadLeafTexture(LeafTextures& textures, const std::string& fileName);

// A choice from the built-in list: always reuses the slot after the first. The file is read
// from the current folder, or the installed copy when the folder has none.
int loadListLeafTexture(LeafTextures& textures, const std::string& fileName);

} // namespace burgeon
