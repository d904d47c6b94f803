#include "BenchPlant.h"

#include "components/BuiltInShapes.h"

namespace burgeon {

void buildBenchPlant(PlantState& plant) {
    plant.nodeCount = 0;
    auto add = [&plant](OrganKind kind, int parent, int level, float z, float y, bool leaf) {
        if (plant.nodeCount >= MaxNodes) {
            return 0;
        }
        PlantNode& node = appendNode(plant);
        const int index = plant.nodeCount;
        node = PlantNode{};
        node.kind = kind;
        node.parent = parent;
        node.level = level;
        node.angleZ = z;
        node.angleY = y;
        node.hasLeaf = leaf ? 1 : 0;
        return index;
    };
    int stem = 0;
    for (int level = 1; level <= 10; ++level) {
        stem = add(OrganKind::Internode, stem, level, 0.01f, 0.0f, false);
    }
    for (int main = 1; main <= 10 && plant.nodeCount < MaxNodes; ++main) {
        for (int branch = 0; branch < 19; ++branch) {
            const float side = branch % 2 == 0 ? 1.0f : -1.0f;
            const int root = add(OrganKind::Petiole, main, main + 1, side * 40.0f,
                                 static_cast<float>(branch) * 360.0f / 19.0f, false);
            for (int leaf = 0; leaf < 25 && root != 0; ++leaf) {
                add(OrganKind::ShortPetiole, root, main + 2, (leaf % 2 == 0 ? 1.0f : -1.0f) * 50.0f,
                    static_cast<float>(leaf) * 14.0f, true);
            }
        }
    }
    plant.mainStemCount = 10;
    plant.maxLevel = 12;
}

BenchScene::BenchScene() {
    leaf = builtInLeaf();
    flower = builtInPetal();
    buildBenchPlant(plant);
    growth.curves.setCurve(GrowthOrgan::All, 0.0, 10.0, 0.3, 15.0);
}

} // namespace burgeon
