#pragma once

#include "app/TextEditorPage.h"
#include "base/Clock.h"
#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "components/OrganShape.h"
#include "controls/AnimationPage.h"
#include "controls/ComponentPage.h"
#include "controls/GrowthFunctionPage.h"
#include "controls/LSystemEditorPage.h"
#include "controls/MaterialPage.h"
#include "controls/ParameterPage.h"
#include "project/PlantProject.h"
#include "render/AnimationState.h"
#include "render/CaptureRun.h"

#include <string>

namespace burgeon {

// The running desktop's state: the open plant, what the view keeps between frames, the shape
// library read last, and the page models that edit the plant. main makes one; a test makes
// its own.
struct AppState {
    explicit AppState(UserInterface& ui);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The folder the program started in: the home of "LsysExam.Lsys" and "Manual.hlp".
    std::string startFolder;

    PlantProject project;
    AnimationState animation;
    ShapeLibrary shapes;
    RandomSource random;
    SystemClock clock;
    CaptureRun captureRun;

    LSystemEditorPage lsystemEditor;
    ParameterPage parameterPage;
    GrowthFunctionPage growthPage;
    ComponentPage componentPage;
    MaterialPage materialPage;
    AnimationPage animationPage;
    TextEditorPage textEditor;
};

} // namespace burgeon
