#pragma once

// A view window without OpenGL: the window model with the application's state, on a canvas
// that records what a frame asks of it.

#include "base/RecordingUserInterface.h"
#include "desktop/AppState.h"
#include "desktop/ViewWindowModel.h"
#include "frame/tests/FakeCanvas.h"

#include <string>
#include <vector>

namespace burgeon::testing {

struct FrameRig {
    RecordingUserInterface ui;
    AppState state{ui};
    PlantProject& project = state.project;
    ViewState& view = project.view;
    PlantParameters& parameters = project.parameters;
    double& currentTime = project.animation.currentTime;
    std::int32_t& lifeCycleTime = project.growth.fittedData.lifeCycleTime;
    AnimationState& animation = state.animation;
    CaptureRun& capture = state.captureRun;
    AnimationPage& page = state.animationPage;
    FakeCanvas canvas;
    ViewWindowModel window{state, ui, &canvas};
    FrameRoutine& frames = window.frames();
};

} // namespace burgeon::testing
