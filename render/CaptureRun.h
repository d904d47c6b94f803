#pragma once

#include "base/UserInterface.h"
#include "imageio/GifWriter.h"
#include "imageio/RgbImage.h"
#include "project/AnimationSettings.h"
#include "render/AnimationState.h"
#include "render/FrameCanvas.h"

#include <functional>
#include <memory>
#include <string>

namespace burgeon {

// The capture step of every frame: while a run is active and the frame's time lies in the
// run's range, the shown picture is written as "Picture.bmp" (and as a numbered JPEG or GIF),
// read back and appended to the animated GIF, which is saved as "PlantTmp.gif" now and then
// and as "Plant.gif" when the time reaches the end of the run.
class CaptureRun {
public:
    CaptureRun(AnimationSettings& settings, AnimationState& state, UserInterface& ui);
    CaptureRun(const CaptureRun&) = delete;
    CaptureRun& operator=(const CaptureRun&) = delete;

    // "Capture Now", once the folder exists: the run's range from the settings, the clock two
    // before its start and running, and the tools of a new run.
    void start(const std::string& folder);
    // "Stop Capture".
    void stop() { state_.CaptureActive = false; }

    // The tools of a new run: an empty animated GIF and an empty frame.
    void createTools(int reductionBits);
    bool hasTools() const { return animation_ != nullptr; }

    // Frame step 10, after the time has advanced. A file that cannot be written or read is
    // reported once and ends the run; the frame goes on.
    void step(FrameCanvas& canvas);

    // The animated GIF of the run under way (tests and progress reports).
    const AnimatedGif* animation() const { return animation_.get(); }

    // Told the run's progress in percent (the "Capture Progress" gauge) and each picture
    // captured (the page's preview).
    std::function<void(int)> progressChanged;
    std::function<void(const RgbImage&)> frameCaptured;

private:
    void captureFrame(FrameCanvas& canvas);
    void releaseTools();
    void reportProgress(int percent);

    AnimationSettings& settings_;
    AnimationState& state_;
    UserInterface& ui_;
    std::unique_ptr<AnimatedGif> animation_;
    RgbImage picture_;
    RgbImage frame_;
};

} // namespace burgeon
