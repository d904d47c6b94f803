#include "engine/NodeTable.h"

#include <algorithm>

namespace burgeon {

std::vector<NodeTableRow> nodeTableRows(const PlantState& plant) {
    std::vector<NodeTableRow> rows;
    rows.reserve(static_cast<std::size_t>(std::max(plant.nodeCount, 0)));
    for (std::int32_t k = 1; k <= plant.nodeCount; ++k) {
        const PlantNode& node = plant.nodes[static_cast<std::size_t>(k)];
        rows.push_back({k, static_cast<char32_t>(organKindLetter(node.kind)), node.parent,
                        node.level, node.angleX, node.angleY, node.angleZ, node.hasLeaf != 0,
                        node.hasFlower != 0});
    }
    return rows;
}

} // namespace burgeon
