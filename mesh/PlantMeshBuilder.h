#pragma once

#include "base/Progress.h"
#include "mesh/MeshLibrary.h"
#include "mesh/MeshScene.h"

#include <string>
#include <vector>

namespace burgeon {

class Clock;
struct PlantProject;

// Everything an export reads: the project the walk draws (node table, parameters, growth
// curves, plant scale) with the clock whose time of day moves the wind, the shape inputs and
// whether the land goes with it.
struct MeshExportInputs {
    const PlantProject* project = nullptr;
    Clock* clock = nullptr;
    MeshShapes shapes;
    bool withLand = true;
    // The file the export writes, beside which an animation keeps its keyframes while they
    // are worked out (empty: the system's temporary folder).
    std::string exportedFile;
};

// The project's plant as the renderer draws it: its colour slots, surfaces and placement, and
// the pictures its textured passes bind; landPicture is the land's picture (nothing when the
// renderer has none).
MeshExportInputs projectExportInputs(const PlantProject& project, Clock& clock,
                                     const BitmapPixels* landPicture, bool withLand = true);

// The plant as the renderer draws it at time t, without the camera: every organ a node under
// the plant node, the land beside it (unless left out). Progress runs from 0 to 100 as the
// organs are placed.
MeshScene buildPlantMesh(const MeshExportInputs& inputs, double time,
                         const ProgressCallback& progress = {});

// The simulated times from..to in steps of `step` (to included when a step lands on it),
// played at framesPerSecond: one keyframe a frame. The capture run plays 100 / delay frames a
// second.
struct GrowthTimeline {
    double from = 0.0;
    double to = 0.0;
    double step = 1.0;
    double framesPerSecond = 25.0;
};

constexpr int MaxAnimationFrames = 10000;
// The paces a growth animation plays at: its key times (frame / frames a second, in single
// precision as glTF keeps them) stay finite and strictly increasing over MaxAnimationFrames.
constexpr double MinFramesPerSecond = 0.001;
constexpr double MaxFramesPerSecond = 1000.0;

// The simulated times of the frames; throws StandardError for a timeline that has none (step
// not above 0, end before start, frames per second out of range, more than MaxAnimationFrames,
// a step too small to move the time on).
std::vector<double> animationFrameTimes(const GrowthTimeline& timeline);

// The key times of the frames, in seconds: frame / frames a second. Throws StandardError for a
// pace out of range.
std::vector<float> animationKeyTimes(std::size_t frames, double framesPerSecond);

// The plant growing over the timeline: the nodes as at the last frame, and an animation that
// keyframes every organ's scale (its growth factor, 0 before the organ's birth) and, where
// they change, its translation and rotation. Progress runs from 0 to 100 over the frames.
MeshScene buildGrowthMesh(const MeshExportInputs& inputs, const GrowthTimeline& timeline,
                          const ProgressCallback& progress = {});

} // namespace burgeon
