#pragma once

#include "frame/AnimationState.h"
#include "frame/CaptureRun.h"
#include "frame/FrameCanvas.h"
#include "project/PlantProject.h"

#include <functional>

namespace burgeon {

// One frame of the view: the time cut to hundredths and shown in the caption, the scene at that
// time (drawScene), the time step, the capture step, the end of the time axis and its loop
// back to 1.0, the buffer swap.
class FrameRoutine {
public:
    FrameRoutine(FrameCanvas& canvas, PlantProject& project, AnimationState& animation,
                 CaptureRun& capture);

    // Draws one frame and returns the pause before the next one in milliseconds
    // (`frameDelay` x 18): the host schedules the next frame instead of waiting here, so the
    // user interface stays responsive.
    int renderFrame();

    // Sets the time slider's maximum; the slider clamps its position and runs its change
    // operation when the position moves.
    std::function<void(int)> setTimeBarMaximum;

private:
    FrameCanvas& canvas_;
    PlantProject& project_;
    AnimationState& animation_;
    CaptureRun& capture_;
};

} // namespace burgeon
