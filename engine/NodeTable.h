#pragma once

#include "lsystem/PlantState.h"

#include <cstdint>
#include <vector>

namespace burgeon {

// One node of a generated plant as plain numbers, as the lsystem command lists it: its number
// (from 1), kind letter (as a 32-bit character), parent (0 for none), level, the three turn
// angles and whether it bears a leaf and a flower.
struct NodeTableRow {
    std::int32_t node = 0;
    char32_t kind = 0;
    std::int32_t parent = 0;
    std::int32_t level = 0;
    double angleX = 0.0;
    double angleY = 0.0;
    double angleZ = 0.0;
    bool hasLeaf = false;
    bool hasFlower = false;
};

// The nodes 1..nodeCount of the plant, in order.
std::vector<NodeTableRow> nodeTableRows(const PlantState& plant);

} // namespace burgeon
