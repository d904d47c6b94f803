#pragma once

#include "base/Clock.h"
#include "engine/PlantRecipe.h"
#include "project/PlantProject.h"

#include <string>

namespace burgeon {

// The large plant of the benchmarks, examples/bench/bushy.burgeon (made by
// scripts/make-bench-plant.sh; the picture tests and the pacing probe draw it too): ten
// main-stem internodes, each carrying nineteen petioles with twenty-five leaf-bearing short
// petioles each, 4950 organs. Levels stay low (at most 12), so every push fits the pipeline's
// own matrix stack.
std::string benchPlantSession();

// The plant opened from its session with the seed 1, as the engine holds it.
HeadlessPlant openBenchPlant();

// The plant opened from its session with the seed 1, and the clock that fixes its wind.
struct BenchScene : PlantProject {
    BenchScene();

    FixedClock clock;
};

// The time the benchmarks draw the plant at.
constexpr double BenchFrameTime = 60.0;

// The growing frames go round this span of time from BenchFrameTime, a quarter step a frame:
// each run draws the same 80 frames, so runs compare.
constexpr double GrowingSpan = 20.0;
constexpr double GrowingStep = 0.25;
constexpr int GrowingFrames = 80;

// The benchmarks' picture, and the view's panel as the desktop lays it out on a 1280 x 1024
// display (the one the desktop tests and the pacing probe use).
constexpr int BenchWidth = 800;
constexpr int BenchHeight = 600;
constexpr int DesktopViewWidth = 792;
constexpr int DesktopViewHeight = 962;

} // namespace burgeon
