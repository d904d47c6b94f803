#pragma once

#include "controls/PlantParameters.h"
#include "controls/ViewState.h"
#include "render/CaptureRun.h"
#include "render/FrameCanvas.h"

#include <functional>

namespace burgeon {

// One frame of the view: clear, camera, land, axes, the plant at the current time (turned on
// the turntable late in its life), the time step, the capture step, the end of the time axis
// and its loop back to 1.0, the buffer swap.
class FrameRoutine {
public:
    FrameRoutine(FrameCanvas& canvas, const ViewState& view, AnimationState& animation,
                 const PlantParameters& parameters, CaptureRun& capture);

    // Draws one frame and returns the pause before the next one in milliseconds
    // (`FrameDelay` x 18): the host schedules the next frame instead of waiting here, so the
    // user interface stays responsive.
    int renderFrame();

    // `LifeCycleTime` of the growth data (0 before any data was read).
    std::function<int()> lifeCycleTime;
    // Sets the time slider's maximum; the slider clamps its position and runs its change
    // operation when the position moves.
    std::function<void(int)> setTimeBarMaximum;

private:
    FrameCanvas& canvas_;
    const ViewState& view_;
    AnimationState& animation_;
    const PlantParameters& parameters_;
    CaptureRun& capture_;
};

} // namespace burgeon
