#pragma once

#include "imageio/RgbImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace burgeon {

constexpr int FramePaletteSize = 256;
constexpr int FrameChosenColors = 236;

// The static system colours that frame every GIF palette: ten at the start, ten at the end.
extern const std::array<RgbColor, 10> LeadingSystemColors;
extern const std::array<RgbColor, 10> TrailingSystemColors;

// A frame reduced to a palette: one palette index a pixel, rows from the top.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<RgbColor> palette;
    std::vector<std::uint8_t> indices;
};

// The frame's own 256 colours: the leading system colours, the 236 colours an octree chooses
// for this frame (unused places black), the trailing system colours.
std::vector<RgbColor> framePalette(const RgbImage& image);

// Every pixel takes its nearest palette colour (squared distance in RGB, the lowest index on a
// tie), without dithering.
IndexedImage reduceToFramePalette(const RgbImage& image);

// The nearest-colour lookup, remembering its answers: a frame holds few distinct colours, so
// almost every pixel is answered from the cache.
class NearestColorIndex {
public:
    explicit NearestColorIndex(const std::vector<RgbColor>& palette);

    std::uint8_t operator()(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
        const std::uint32_t key = (std::uint32_t{red} << 16) | (std::uint32_t{green} << 8) | blue;
        const std::uint32_t slot = (key * 2654435761u) >> (32 - CacheBits);
        if (cacheKeys_[slot] != key + 1) {
            cacheKeys_[slot] = key + 1;
            cacheIndices_[slot] = search(red, green, blue);
        }
        return cacheIndices_[slot];
    }

private:
    static constexpr int CacheBits = 16;
    static constexpr int CellBits = 5; // the colour cube cut into 32 x 32 x 32 cells

    std::uint8_t search(int red, int green, int blue);
    const std::vector<std::uint8_t>& candidates(int cell);

    std::vector<RgbColor> palette_;
    // Per cell, made when first needed: the entries that can be nearest to some colour of
    // the cell, in index order. Every other entry is farther from all of the cell than one
    // of these is at worst, so the search needs only these.
    std::vector<std::vector<std::uint8_t>> cellCandidates_;
    std::vector<bool> cellReady_;
    std::vector<std::uint32_t> cacheKeys_; // colour + 1, so that 0 means empty
    std::vector<std::uint8_t> cacheIndices_;
};

} // namespace burgeon
