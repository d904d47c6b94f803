#pragma once

#include "app/TextEditorPage.h"
#include "base/Clock.h"
#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "components/ComponentPage.h"
#include "components/LeafTextures.h"
#include "components/MaterialPage.h"
#include "components/MaterialSet.h"
#include "components/OrganShape.h"
#include "components/OrganSurface.h"
#include "controls/AnimationPage.h"
#include "controls/ParameterPage.h"
#include "controls/PlantParameters.h"
#include "controls/ViewState.h"
#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"
#include "growth/GrowthFunctionPage.h"
#include "lsystem/LSystemEditorPage.h"
#include "lsystem/LSystemWorkspace.h"
#include "lsystem/PlantState.h"
#include "render/CaptureRun.h"

#include <string>

namespace burgeon {

// One instance of every module's state and page model: the whole process-wide state of a
// running desktop. main makes one; a test makes its own.
struct AppState {
    explicit AppState(UserInterface& ui);
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The folder the program started in: the home of "LsysExam.Lsys" and "Manual.hlp".
    std::string StartFolder;

    PlantState plant;
    PlantParameters parameters;
    GrowthCurves curves;
    GrowthData growthData;
    ViewState view;
    AnimationState animation;
    MaterialSet materials;
    ShapeLibrary shapes;
    OrganSurface leafSurface;
    OrganSurface flowerSurface;
    OrganPlacement placement;
    LeafTextures leafTextures;
    RandomSource random;
    SystemClock clock;

    LSystemEditorPage lsystemEditor;
    ParameterPage parameterPage;
    GrowthFunctionPage growthPage;
    ComponentPage componentPage;
    MaterialPage materialPage;
    AnimationPage animationPage;
    TextEditorPage textEditor;
    CaptureRun captureRun;
    LSystemWorkspace workspace;
};

} // namespace burgeon
