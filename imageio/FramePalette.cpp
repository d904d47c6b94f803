#include "imageio/FramePalette.h"

#include "imageio/OctreeQuantizer.h"

#include <algorithm>
#include <limits>

namespace burgeon {

const std::array<RgbColor, 10> leadingSystemColors = {{{0, 0, 0},
                                                       {128, 0, 0},
                                                       {0, 128, 0},
                                                       {128, 128, 0},
                                                       {0, 0, 128},
                                                       {128, 0, 128},
                                                       {0, 128, 128},
                                                       {192, 192, 192},
                                                       {192, 220, 192},
                                                       {166, 202, 240}}};

const std::array<RgbColor, 10> trailingSystemColors = {{{255, 251, 240},
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
    OctreeQuantizer quantizer(frameChosenColors);
    quantizer.addImage(image);
    const std::vector<RgbColor> chosen = quantizer.palette();

    std::vector<RgbColor> palette(leadingSystemColors.begin(), leadingSystemColors.end());
    palette.insert(palette.end(), chosen.begin(), chosen.end());
    palette.resize(leadingSystemColors.size() + frameChosenColors, RgbColor{0, 0, 0});
    palette.insert(palette.end(), trailingSystemColors.begin(), trailingSystemColors.end());
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
    : palette_(palette), cacheKeys_(std::size_t{1} << cacheBits, 0),
      cacheIndices_(std::size_t{1} << cacheBits, 0) {}

std::uint8_t NearestColorIndex::search(int red, int green, int blue) const {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    const int count = std::min(static_cast<int>(palette_.size()), framePaletteSize);
    for (int index = 0; index < count; ++index) {
        const RgbColor& color = palette_[static_cast<std::size_t>(index)];
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
