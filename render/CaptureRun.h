#pragma once

#include "base/UserInterface.h"
#include "controls/AnimationPage.h"
#include "controls/ViewState.h"
#include "imageio/GifWriter.h"
#include "imageio/RgbImage.h"
#include "render/FrameCanvas.h"

#include <memory>

namespace burgeon {

// The capture step of every frame: while a run is active and the frame's time lies in the
// run's range, the shown picture is written as "Picture.bmp" (and as a numbered JPEG or GIF),
// read back and appended to the animated GIF, which is saved as "PlantTmp.gif" now and then
// and as "Plant.gif" when the time reaches the end of the run.
class CaptureRun {
public:
    // Wires the page's "Capture Now" to createTools.
    CaptureRun(AnimationState& animation, AnimationPage& page, UserInterface& ui);
    CaptureRun(const CaptureRun&) = delete;
    CaptureRun& operator=(const CaptureRun&) = delete;

    // The tools of a new run: an empty animated GIF and an empty frame.
    void createTools(int reductionBits);
    bool hasTools() const { return animation_ != nullptr; }

    // Frame step 10, after the time has advanced. A file that cannot be written or read is
    // reported once and ends the run; the frame goes on.
    void step(FrameCanvas& canvas);

    // The animated GIF of the run under way (tests and progress reports).
    const AnimatedGif* animation() const { return animation_.get(); }

private:
    void captureFrame(FrameCanvas& canvas);
    void releaseTools();

    AnimationState& state_;
    AnimationPage& page_;
    UserInterface& ui_;
    std::unique_ptr<AnimatedGif> animation_;
    RgbImage frame_;
};

} // namespace burgeon
