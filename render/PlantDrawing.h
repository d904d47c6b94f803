#pragma once

#include "render/DrawingTarget.h"

#include <cstdint>

namespace burgeon {

class Clock;
class GrowthCurves;
struct PlantParameters;
struct PlantState;

// What the walk reads and writes: the node table (timing, ages and child lists are written),
// the parameters, the growth curves, the plant scale of the view and
// the clock whose time of day reseeds the wind at every node.
struct PlantScene {
    PlantState* plant = nullptr;
    const PlantParameters* parameters = nullptr;
    const GrowthCurves* curves = nullptr;
    float plantScale = 0.5f;
    Clock* clock = nullptr;
};

// The drawing set-up of a frame: birth and end times of every organ, ages cleared, child
// lists rebuilt in increasing index (FirstChild/NextSibling, no allocation). Returns the end
// time shared by all organs (TotalTime).
std::int32_t prepareNodes(PlantState& plant, const PlantParameters& parameters);

// Draws the plant as it looks at time t into the target; leaves the target's matrix as it
// was. Every node whose parent is 0 (or not an earlier node) is drawn as a root, in index
// order. Returns TotalTime.
std::int32_t drawPlant(const PlantScene& scene, DrawingTarget& target, double t);

} // namespace burgeon
