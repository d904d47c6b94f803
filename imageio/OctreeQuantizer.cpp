#include "imageio/OctreeQuantizer.h"

#include <algorithm>

namespace burgeon {

namespace {

constexpr std::int32_t NoNode = 0;
constexpr std::int32_t RootNode = 1;

// The child a colour goes to below a node of this level: one bit of each channel, taken from
// the top.
int childSlot(RgbColor color, int level) {
    const int shift = 7 - level;
    return (((color.red >> shift) & 1) << 2) | (((color.green >> shift) & 1) << 1) |
           ((color.blue >> shift) & 1);
}

} // namespace

OctreeQuantizer::OctreeQuantizer(int maxColors, int bitsPerChannel)
    : maxColors_(std::max(maxColors, 1)), bits_(std::clamp(bitsPerChannel, 1, 8)),
      reducible_(static_cast<std::size_t>(bits_)) {
    nodes_.resize(2); // slot 0 stands for "no node"
    reducible_[0].push_back(RootNode);
}

std::int32_t OctreeQuantizer::newNode(int level) {
    std::int32_t index;
    if (!freeNodes_.empty()) {
        index = freeNodes_.back();
        freeNodes_.pop_back();
        nodes_[static_cast<std::size_t>(index)] = Node{};
    } else {
        index = static_cast<std::int32_t>(nodes_.size());
        nodes_.emplace_back();
    }
    Node& node = nodes_[static_cast<std::size_t>(index)];
    if (level == bits_) {
        node.leaf = true;
        ++leafCount_;
    } else {
        reducible_[static_cast<std::size_t>(level)].push_back(index);
    }
    return index;
}

void OctreeQuantizer::releaseNode(std::int32_t index) {
    freeNodes_.push_back(index);
}

std::int32_t OctreeQuantizer::leafFor(RgbColor color) {
    std::int32_t index = RootNode;
    for (int level = 0; !nodes_[static_cast<std::size_t>(index)].leaf; ++level) {
        const int slot = childSlot(color, level);
        std::int32_t child = nodes_[static_cast<std::size_t>(index)].children[slot];
        if (child == NoNode) {
            child = newNode(level + 1);
            nodes_[static_cast<std::size_t>(index)].children[slot] = child;
        }
        index = child;
    }
    return index;
}

void OctreeQuantizer::addColor(RgbColor color, std::uint32_t count) {
    if (count == 0) {
        return;
    }
    Node& leaf = nodes_[static_cast<std::size_t>(leafFor(color))];
    leaf.red += static_cast<std::uint64_t>(color.red) * count;
    leaf.green += static_cast<std::uint64_t>(color.green) * count;
    leaf.blue += static_cast<std::uint64_t>(color.blue) * count;
    leaf.pixelCount += count;
    while (leafCount_ > maxColors_) {
        reduce();
    }
}

void OctreeQuantizer::addImage(const RgbImage& image) {
    // Runs of one colour (the background, flat shading) go down the tree once.
    const auto& bytes = image.bytes();
    std::size_t at = 0;
    while (at + 2 < bytes.size()) {
        const std::uint8_t red = bytes[at];
        const std::uint8_t green = bytes[at + 1];
        const std::uint8_t blue = bytes[at + 2];
        std::uint32_t run = 1;
        at += 3;
        while (at + 2 < bytes.size() && bytes[at] == red && bytes[at + 1] == green &&
               bytes[at + 2] == blue) {
            ++run;
            at += 3;
        }
        addColor({red, green, blue}, run);
    }
}

void OctreeQuantizer::reduce() {
    // The deepest level that still has a node with children; its newest node is folded.
    auto level = static_cast<std::size_t>(bits_);
    while (level > 0 && reducible_[level - 1].empty()) {
        --level;
    }
    if (level == 0) {
        return;
    }
    const std::int32_t index = reducible_[level - 1].back();
    reducible_[level - 1].pop_back();
    Node& node = nodes_[static_cast<std::size_t>(index)];
    int folded = 0;
    for (auto& child : node.children) {
        if (child == NoNode) {
            continue;
        }
        const Node& leaf = nodes_[static_cast<std::size_t>(child)];
        node.red += leaf.red;
        node.green += leaf.green;
        node.blue += leaf.blue;
        node.pixelCount += leaf.pixelCount;
        releaseNode(child);
        child = NoNode;
        ++folded;
    }
    node.leaf = true;
    leafCount_ -= folded - 1;
}

void OctreeQuantizer::collect(std::int32_t index, std::vector<RgbColor>& colors) const {
    const Node& node = nodes_[static_cast<std::size_t>(index)];
    if (node.leaf) {
        if (node.pixelCount > 0) {
            const std::uint64_t count = node.pixelCount;
            colors.push_back({static_cast<int>(node.red / count),
                              static_cast<int>(node.green / count),
                              static_cast<int>(node.blue / count)});
        }
        return;
    }
    for (const std::int32_t child : node.children) {
        if (child != NoNode) {
            collect(child, colors);
        }
    }
}

std::vector<RgbColor> OctreeQuantizer::palette() const {
    std::vector<RgbColor> colors;
    collect(RootNode, colors);
    return colors;
}

} // namespace burgeon
