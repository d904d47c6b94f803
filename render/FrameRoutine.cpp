#include "render/FrameRoutine.h"

#include "base/NumberText.h"

#include <cmath>

namespace burgeon {

namespace {

constexpr int frameDelayUnitMilliseconds = 18;

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
    canvas_.beginFrame();
    canvas_.applyViewTransform();
    canvas_.drawLand();
    if (project_.view.ShowAxes) {
        canvas_.drawAxes();
    }

    double& time = project_.animation.currentTime;
    time = truncateToHundredths(time);
    canvas_.setCaption("Plant Visualization at " + formatGeneral(time));

    // Once the plant has finished growing it turns slowly on a turntable; land and axes stay.
    const int lifeCycle = project_.growth.fittedData.LifeCycleTime;
    const double birthSpan = std::fabs(1.0 - project_.parameters.nodeBirthRate) * lifeCycle;
    const auto turntableStart = static_cast<double>(roundHalfEven(birthSpan + 100.0));
    if (time > turntableStart) {
        canvas_.rotateTurntable(time * 360.0 / 40.0);
    }
    canvas_.drawPlant(time);

    if (!animation_.AnimationPaused) {
        time += project_.parameters.timeStep;
    }
    capture_.step(canvas_);

    animation_.TimeBarMax = static_cast<std::int32_t>(roundHalfEven(birthSpan) + 150);
    if (setTimeBarMaximum) {
        setTimeBarMaximum(animation_.TimeBarMax);
    }
    if (time > animation_.TimeBarMax) {
        time = 1.0;
    }
    canvas_.endFrame();
    const int frameDelay = project_.animation.frameDelay;
    return frameDelay > 0 ? frameDelay * frameDelayUnitMilliseconds : 0;
}

} // namespace burgeon
