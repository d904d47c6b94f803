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

FrameRoutine::FrameRoutine(FrameCanvas& canvas, const ViewState& view, AnimationState& animation,
                           const PlantParameters& parameters, CaptureRun& capture)
    : canvas_(canvas), view_(view), animation_(animation), parameters_(parameters),
      capture_(capture) {}

int FrameRoutine::renderFrame() {
    canvas_.beginFrame();
    canvas_.applyViewTransform();
    canvas_.drawLand();
    if (view_.ShowAxes) {
        canvas_.drawAxes();
    }

    double& time = animation_.CurrentTime;
    time = truncateToHundredths(time);
    canvas_.setCaption("Plant Visualization at " + formatGeneral(time));

    // Once the plant has finished growing it turns slowly on a turntable; land and axes stay.
    const int lifeCycle = lifeCycleTime ? lifeCycleTime() : 0;
    const double birthSpan = std::fabs(1.0 - parameters_.NodeBirthRate) * lifeCycle;
    const auto turntableStart = static_cast<double>(roundHalfEven(birthSpan + 100.0));
    if (time > turntableStart) {
        canvas_.rotateTurntable(time * 360.0 / 40.0);
    }
    canvas_.drawPlant(time);

    if (!animation_.AnimationPaused) {
        time += parameters_.TimeStep;
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
    return animation_.FrameDelay > 0 ? animation_.FrameDelay * frameDelayUnitMilliseconds : 0;
}

} // namespace burgeon
