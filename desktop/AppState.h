#pragma once

#include "base/Clock.h"
#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "components/OrganShape.h"
#include "frame/AnimationState.h"
#include "frame/CaptureRun.h"
#include "pages/AnimationPage.h"
#include "pages/ComponentPage.h"
#include "pages/GrowthFunctionPage.h"
#include "pages/LSystemEditorPage.h"
#include "pages/MaterialPage.h"
#include "pages/ParameterPage.h"
#include "pages/TextEditorPage.h"
#include "project/PlantProject.h"

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
