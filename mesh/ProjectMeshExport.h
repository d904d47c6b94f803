#pragma once

#include "base/Progress.h"
#include "components/LeafTextures.h"
#include "mesh/PlantMeshBuilder.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

class Clock;
struct PlantProject;

// One export of a project's plant: the model file (its extension names the format), the plant
// still at a time or growing over a timeline, with or without the land. The land's picture is
// read from the file the renderer reads it from.
struct MeshExportRequest {
    std::string fileName;
    double time = 1.0;
    std::optional<GrowthTimeline> growth;
    bool withLand = true;
    std::string landPictureFile = LandTextureFile;
};

// What was written: every file, the model first, and the organ nodes it holds.
struct MeshExportSummary {
    std::vector<std::string> files;
    std::size_t organs = 0;
    std::size_t frames = 0; // keyframes of the growth, 0 for a still plant
};

// Builds the plant's meshes as the renderer draws them and writes them, every file or none.
// Progress runs to 100 as the walks and the writing go on. Throws StandardError with a clear
// text for a file name of no mesh format, a timeline without frames, an animation in a format
// that holds none, and any file that cannot be written.
MeshExportSummary exportProjectMesh(const PlantProject& project, Clock& clock,
                                    const MeshExportRequest& request,
                                    const ProgressCallback& progress = {});

// Whether the format of the file name holds a growth animation (.glb and .gltf do).
bool formatHoldsAnimation(const std::string& fileName);

// The pace of the project's capture run, which shows a frame every "Animation Delay(x10 mS)"
// hundredths of a second: the growth animation's keyframes a second unless told otherwise.
double captureFramesPerSecond(const PlantProject& project);

} // namespace burgeon
