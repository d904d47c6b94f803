#pragma once

#include "engine/Outcome.h"
#include "engine/PlantRecipe.h"
#include "engine/StopCondition.h"
#include "imageio/PictureSize.h"
#include "imageio/RgbImage.h"
#include "mesh/PlantMeshBuilder.h"
#include "render/HeadlessView.h"
#include "video/FrameRate.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// The plant's pictures at the times of a timeline (from, from + step, ... to, as a growth
// animation has them), one after another on one headless view (each frame may be drawn on
// another thread than the one before). Throws StandardError for a
// timeline without frames and HeadlessContextError when no OpenGL context can be had.
class PlantFrames {
public:
    PlantFrames(HeadlessPlant& plant, PictureSize size, const GrowthTimeline& timeline);

    const std::vector<double>& times() const { return times_; }
    // The next frame's time and picture; false after the last.
    bool next(double& time, RgbImage& picture);

private:
    HeadlessView view_;
    std::vector<double> times_;
    std::size_t next_ = 0;
};

// What a video of the plant's growth is made of: the frames of a timeline at a size, played at
// a rate (default: the capture run's, 100 / delay), with the encoder's quality when given.
struct FilmRequest {
    std::string fileName; // .mp4 or .webm
    PictureSize size;
    GrowthTimeline timeline;
    std::optional<FrameRate> rate;
    std::optional<int> quality;
};

// Writes the video whole, or no file at all when it fails or the stop condition ends it.
// Progress runs to 100 as the frames are encoded.
Outcome filmPlant(HeadlessPlant& plant, const FilmRequest& request,
                  const ProgressCallback& progress, const StopCondition& stop);

} // namespace burgeon
