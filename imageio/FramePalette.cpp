#include "imageio/FramePalette.h"

#include "imageio/OctreeQuantizer.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace burgeon {

const std::array<RgbColor, 10> LeadingSystemColors = {{{0, 0, 0},
                                                       {128, 0, 0},
                                                       {0, 128, 0},
                                                       {128, 128, 0},
                                                       {0, 0, 128},
                                                       {128, 0, 128},
                                                       {0, 128, 128},
                                                       {192, 192, 192},
                                                       {192, 220, 192},
                                                       {166, 202, 240}}};

const std::array<RgbColor, 10> TrailingSystemColors = {{{255, 251, 240},
                                                        {160, 160, 164},
                                                        {128, 128, 128},
                                                        {255, 0, 0},
                                                        {0, 255, 0},
                                                        {255, 255, 0},
                                                        {0, 0, 255},
                                                        {255, 0, 255},
                                                        {0, 255, 255},
                                                        {255, 255, 255}}};

std::vector<RgbColor> framePalette(const RgbImage& image) {
    OctreeQuantizer quantizer(FrameChosenColors);
    quantizer.addImage(image);
    const std::vector<RgbColor> chosen = quantizer.palette();

    std::vector<RgbColor> palette(LeadingSystemColors.begin(), LeadingSystemColors.end());
    palette.insert(palette.end(), chosen.begin(), chosen.end());
    palette.resize(LeadingSystemColors.size() + FrameChosenColors, RgbColor{0, 0, 0});
    palette.insert(palette.end(), TrailingSystemColors.begin(), TrailingSystemColors.end());
    return palette;
}

IndexedImage reduceToFramePalette(const RgbImage& image) {
    IndexedImage indexed;
    indexed.width = image.width();
    indexed.height = image.height();
    indexed.palette = framePalette(image);
    NearestColorIndex nearest(indexed.palette);
    const auto& bytes = image.bytes();
    indexed.indices.resize(bytes.size() / 3);
    for (std::size_t pixel = 0, at = 0; pixel < indexed.indices.size(); ++pixel, at += 3) {
        indexed.indices[pixel] = nearest(bytes[at], bytes[at + 1], bytes[at + 2]);
    }
    return indexed;
}

NearestColorIndex::NearestColorIndex(const std::vector<RgbColor>& palette)
    : palette_(palette.begin(), palette.begin() + std::min<std::ptrdiff_t>(
                                                      static_cast<std::ptrdiff_t>(palette.size()),
                                                      FramePaletteSize)),
      cellCandidates_(std::size_t{1} << (3 * CellBits)),
      cellReady_(std::size_t{1} << (3 * CellBits), false),
      cacheKeys_(std::size_t{1} << CacheBits, 0), cacheIndices_(std::size_t{1} << CacheBits, 0) {}

const std::vector<std::uint8_t>& NearestColorIndex::candidates(int cell) {
    const auto at = static_cast<std::size_t>(cell);
    if (cellReady_[at]) {
        return cellCandidates_[at];
    }
    constexpr int cellSize = 256 >> CellBits;
    const int low[3] = {(cell >> (2 * CellBits)) * cellSize,
                        ((cell >> CellBits) & ((1 << CellBits) - 1)) * cellSize,
                        (cell & ((1 << CellBits) - 1)) * cellSize};
    const auto nearestAndFarthest = [&](const RgbColor& color, int& nearest, int& farthest) {
        const int channels[3] = {color.red, color.green, color.blue};
        nearest = 0;
        farthest = 0;
        for (int c = 0; c < 3; ++c) {
            const int lo = low[c];
            const int hi = low[c] + cellSize - 1;
            const int inside = channels[c] < lo   ? lo - channels[c]
                               : channels[c] > hi ? channels[c] - hi
                                                  : 0;
            const int outside = std::max(std::abs(channels[c] - lo), std::abs(channels[c] - hi));
            nearest += inside * inside;
            farthest += outside * outside;
        }
    };
    int bound = std::numeric_limits<int>::max();
    for (const RgbColor& color : palette_) {
        int nearest = 0;
        int farthest = 0;
        nearestAndFarthest(color, nearest, farthest);
        bound = std::min(bound, farthest);
    }
    std::vector<std::uint8_t>& list = cellCandidates_[at];
    for (std::size_t index = 0; index < palette_.size(); ++index) {
        int nearest = 0;
        int farthest = 0;
        nearestAndFarthest(palette_[index], nearest, farthest);
        if (nearest <= bound) {
            list.push_back(static_cast<std::uint8_t>(index));
        }
    }
    cellReady_[at] = true;
    return list;
}

std::uint8_t NearestColorIndex::search(int red, int green, int blue) {
    const int cell = ((red >> (8 - CellBits)) << (2 * CellBits)) |
                     ((green >> (8 - CellBits)) << CellBits) | (blue >> (8 - CellBits));
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (const std::uint8_t index : candidates(cell)) {
        const RgbColor& color = palette_[index];
        const int dr = color.red - red;
        const int dg = color.green - green;
        const int db = color.blue - blue;
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            bestDistance = distance;
            best = index;
            if (distance == 0) {
                break;
            }
        }
    }
    return static_cast<std::uint8_t>(best);
}

} // namespace burgeon
