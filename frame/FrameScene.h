#pragma once

#include "frame/FrameCanvas.h"

#include <cstdint>
#include <optional>

namespace burgeon {

struct PlantProject;

// The time after which the plant, grown, turns on the turntable:
// |1 - NodeBirthRate| x lifeCycleTime + 100, rounded half to even.
double turntableStart(const PlantProject& project);

// How far the turntable has turned the plant at a time, in degrees about the vertical: none
// until turntableStart.
std::optional<double> turntableDegrees(const PlantProject& project, double time);

// The end of the view's time axis, where the clock loops back to 1:
// Round(|1 - NodeBirthRate| x lifeCycleTime) + 150, Round going half to even.
std::int32_t timeAxisEnd(const PlantProject& project);

// The picture of the plant at a time: clear to the background colour, camera, land, axes when
// they are shown, the turntable turn late in the plant's life (the land and axes stay) and the
// plant. The one place a frame is put together: the view's frame routine, the command line,
// the render tests and the benchmarks all draw through it.
void drawScene(FrameCanvas& canvas, const PlantProject& project, double time);

} // namespace burgeon
