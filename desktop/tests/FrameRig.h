#pragma once

// A view window without OpenGL: the Animation page, capture run, frame routine and window
// model wired as the application wires them, on a canvas that records what a frame asks of it.

#include "base/RecordingUserInterface.h"
#include "desktop/ViewWindowModel.h"
#include "frame/CaptureRun.h"
#include "frame/FrameRoutine.h"
#include "frame/tests/FakeCanvas.h"
#include "pages/AnimationPage.h"
#include "project/PlantProject.h"

#include <string>
#include <vector>

namespace burgeon::testing {

struct FrameRig {
    FrameRig() {
        frames.setTimeBarMaximum = [this](int maximum) { page.timeBar.setMaximum(maximum); };
    }

    PlantProject project;
    ViewState& view = project.view;
    PlantParameters& parameters = project.parameters;
    double& currentTime = project.animation.currentTime;
    std::int32_t& lifeCycleTime = project.growth.fittedData.lifeCycleTime;
    AnimationState animation;
    RecordingUserInterface ui;
    FakeCanvas canvas;
    CaptureRun capture{project.animation, animation};
    AnimationPage page{project, animation, capture, ui};
    FrameRoutine frames{canvas, project, animation, capture};
    ViewWindowModel window{frames, project, animation, capture, ui};
};

} // namespace burgeon::testing
