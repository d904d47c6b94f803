#pragma once

#include "components/OrganSurface.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace burgeon {

constexpr int MaxLibraryEntries = 1000;

// One entry of a shape library: a named triangle mesh. Points and triangles are numbered
// from 1 in file order (slot 0 unused); each triangle holds three point numbers of the same
// entry.
struct OrganShape {
    std::string name;
    std::int32_t source = 0;
    std::int32_t pointCount = 0;
    std::int32_t triangleCount = 0;
    std::array<Vector3, MaxShapePoints + 1> points{};
    std::array<std::array<std::int32_t, 3>, MaxShapeTriangles + 1> triangles{};
};

// The entries of the last library read, numbered from 1, and the two selections (0 = none).
// The renderer works from its own copy, refreshed only after a load that read to the end.
struct ShapeLibrary {
    std::vector<OrganShape> entries;
    std::vector<OrganShape> rendererEntries;
    std::int32_t selectedLeafShape = 0;
    std::int32_t selectedFlowerShape = 0;

    std::int32_t entryCount() const { return static_cast<std::int32_t>(entries.size()); }
    // Entry k, 1-based; k must be within 1..entryCount().
    const OrganShape& entry(std::int32_t k) const {
        return entries.at(static_cast<std::size_t>(k - 1));
    }
    const OrganShape& rendererEntry(std::int32_t k) const {
        return rendererEntries.at(static_cast<std::size_t>(k - 1));
    }
};

} // namespace burgeon
