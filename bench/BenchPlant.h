#pragma once

#include "base/Clock.h"
#include "project/PlantProject.h"

namespace burgeon {

// A bushy plant of 5000 organs: ten main-stem internodes, each carrying nineteen branch
// petioles with about twenty-five leaf-bearing petioles each. Levels stay low (at most 12),
// so every push fits the pipeline's own matrix stack.
void buildBenchPlant(PlantState& plant);

// The plant, its curves and the start-up values of everything else.
struct BenchScene : PlantProject {
    BenchScene();

    FixedClock clock;
};

// The time the benchmarks draw the plant at.
constexpr double BenchFrameTime = 60.0;

} // namespace burgeon
