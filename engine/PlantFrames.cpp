#include "engine/PlantFrames.h"

#include "base/StandardError.h"
#include "frame/FrameScene.h"
#include "video/VideoEncoder.h"

namespace burgeon {

PlantFrames::PlantFrames(HeadlessPlant& plant, PictureSize size, const GrowthTimeline& timeline)
    : view_(plant.project, plant.clock, size), times_(animationFrameTimes(timeline)) {}

bool PlantFrames::next(double& time, RgbImage& picture) {
    if (next_ == times_.size()) {
        return false;
    }
    time = times_[next_++];
    picture = view_.drawPicture(time);
    // The next frame may be asked for on another thread.
    view_.context().releaseCurrent();
    return true;
}

Outcome filmPlant(HeadlessPlant& plant, const FilmRequest& request,
                  const ProgressCallback& progress, const StopCondition& stop) {
    Outcome outcome;
    try {
        PlantFrames frames(plant, request.size, request.timeline);
        const int delay = plant.project.animation.capture.delay;
        VideoEncoder video(request.fileName, request.size.width, request.size.height,
                           request.rate.value_or(FrameRate::fromFrameDelay(delay > 0 ? delay : 1)),
                           request.quality);
        const std::size_t count = frames.times().size();
        double time = 0.0;
        RgbImage picture;
        for (std::size_t frame = 0; frames.next(time, picture); ++frame) {
            if (stop.stopRequested()) {
                outcome.ending = Outcome::Ending::Stopped;
                outcome.stopCause = stop.cause();
                return outcome; // the unfinished video leaves no file
            }
            video.addFrame(picture);
            reportProgress(progress, static_cast<int>((frame + 1) * 100 / count));
        }
        video.finish();
    } catch (const StandardError& error) {
        outcome.fail(error.what());
    }
    return outcome;
}

} // namespace burgeon
