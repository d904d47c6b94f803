#pragma once

#include "base/RandomSource.h"
#include "drawing/DrawingTarget.h"

#include <array>
#include <cstdint>
#include <vector>

namespace burgeon {

class Clock;
struct PlantProject;

// The plant as it looks at time t, drawn into a drawing target. Once per frame the walk works
// out the end time shared by all organs and the child lists; then it walks every root in
// index order. At each node it ages the organ, evaluates the growth curves at that age, draws
// the segment and its leaf or flower, and turns into each child. It reads the project's node
// table, parameters, growth curves and plant scale, and the clock, whose time of day reseeds
// the wind at every node; it writes nothing back. What a frame derives stays in the walk, in
// storage sized once and reused, so a frame allocates nothing.
class PlantWalk {
public:
    PlantWalk(const PlantProject& project, Clock& clock);

    // Draws the plant at time t and leaves the target's matrix as it was. Every node whose
    // parent is 0 (or not an earlier node) is drawn as a root. Returns the end time shared by
    // all organs (TotalTime).
    std::int32_t draw(DrawingTarget& target, double t);

private:
    // The per-level reductions and the six growth sizes of a node.
    struct NodeSizes {
        double internodeLengthReduce = 1.0;
        double petioleLengthReduce = 1.0;
        double internodeDiameterReduce = 1.0;
        double petioleDiameterReduce = 1.0;
        double leafReduce = 1.0;
        double flowerReduce = 1.0;
        double internode = 0.0;
        double petiole = 0.0;
        double leafLength = 0.0;
        double leafWidth = 0.0;
        double apex = 0.0;
        double flower = 0.0;
    };

    // Nodes of one level share their reductions and, having one birth time, their age and
    // growth sizes: each level's values are worked out once per frame.
    struct LevelSizes {
        bool known = false;
        double age = 0.0;
        NodeSizes sizes;
    };
    static constexpr int CachedLevels = 64;

    void prepareFrame();
    void drawNode(int index);
    double birthTimeOf(const PlantNode& node) const;
    NodeSizes sizesOf(const PlantNode& node, double age) const;
    NodeSizes sizesFor(const PlantNode& node, double age);
    double segmentLength(const PlantNode& node, const NodeSizes& sizes) const;
    double diameterShare(double share, const PlantNode& node, const NodeSizes& sizes) const;
    void drawSegment(const PlantNode& node, const NodeSizes& sizes);
    void drawLeafOrFlower(const PlantNode& node, const NodeSizes& sizes);
    void turnTowardsChild(const PlantNode& child, double bend);

    const PlantProject& project_;
    Clock& clock_;
    RandomSource random_;

    // The frame being drawn.
    DrawingTarget* target_ = nullptr;
    double time_ = 0.0;
    std::int32_t totalTime_ = 0;
    // Child lists: the children of a node are firstChild_, then nextSibling_ of each, in
    // increasing index. There is no limit on their number.
    std::vector<std::int32_t> firstChild_;
    std::vector<std::int32_t> nextSibling_;
    std::array<LevelSizes, CachedLevels> levelSizes_{};
};

} // namespace burgeon
