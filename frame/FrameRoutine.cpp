#include "frame/FrameRoutine.h"

#include "base/NumberText.h"
#include "frame/FrameScene.h"

#include <cmath>

namespace burgeon {

namespace {

constexpr int FrameDelayUnitMilliseconds = 18;

// Two decimals, cut towards zero. A time that already has two decimals keeps them: 33.29 is
// stored as 33.28999..., and its hundredfold must not be cut to 3328, or a paused clock would
// creep back one hundredth every frame. The allowance lies far below a hundredth and far above
// the rounding error of the multiplication.
double truncateToHundredths(double time) {
    constexpr double allowance = 1e-7;
    return std::trunc(time * 100.0 + std::copysign(allowance, time)) / 100.0;
}

} // namespace

FrameRoutine::FrameRoutine(FrameCanvas& canvas, PlantProject& project, AnimationState& animation,
                           CaptureRun& capture)
    : canvas_(canvas), project_(project), animation_(animation), capture_(capture) {}

int FrameRoutine::renderFrame() {
    double& time = project_.animation.currentTime;
    time = truncateToHundredths(time);
    canvas_.setCaption("Plant Visualization at " + formatGeneral(time));
    drawScene(canvas_, project_, time);

    if (!animation_.animationPaused) {
        time += project_.parameters.timeStep;
    }
    capture_.step(canvas_);

    animation_.timeBarMax = timeAxisEnd(project_);
    if (setTimeBarMaximum) {
        setTimeBarMaximum(animation_.timeBarMax);
    }
    if (time > animation_.timeBarMax) {
        time = 1.0;
    }
    canvas_.endFrame();
    const int frameDelay = project_.animation.frameDelay;
    return frameDelay > 0 ? frameDelay * FrameDelayUnitMilliseconds : 0;
}

} // namespace burgeon
