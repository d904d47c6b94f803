#pragma once

#include "base/UserInterface.h"
#include "imageio/RgbImage.h"

#include <array>
#include <cstdint>
#include <vector>

namespace burgeon {

// Chooses at most maxColors representative colours for an image with an octree: every colour
// walks down one level per bit of its channels, and whenever the tree holds more leaves than
// allowed, the deepest node that still has children is folded into a leaf of their average.
class OctreeQuantizer {
public:
    explicit OctreeQuantizer(int maxColors, int bitsPerChannel = 8);

    void addColor(RgbColor color) { addColor(color, 1); }
    void addColor(RgbColor color, std::uint32_t count);
    void addImage(const RgbImage& image);

    // The average colour of every leaf, in the order of a depth-first walk.
    std::vector<RgbColor> palette() const;

private:
    struct Node {
        std::array<std::int32_t, 8> children{};
        std::uint64_t red = 0, green = 0, blue = 0;
        std::uint32_t pixelCount = 0;
        bool leaf = false;
    };

    std::int32_t newNode(int level);
    void releaseNode(std::int32_t index);
    std::int32_t leafFor(RgbColor color);
    void reduce();
    void collect(std::int32_t index, std::vector<RgbColor>& colors) const;

    int maxColors_;
    int bits_;
    int leafCount_ = 0;
    std::vector<Node> nodes_;
    std::vector<std::int32_t> freeNodes_;
    // Nodes with children, per level, newest last: the candidates for folding.
    std::vector<std::vector<std::int32_t>> reducible_;
};

} // namespace burgeon
