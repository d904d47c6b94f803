#pragma once

#include "app/TextEditorPage.h"
#include "components/LeafTextures.h"
#include "components/MaterialSet.h"
#include "components/OrganSurface.h"
#include "controls/PlantParameters.h"
#include "controls/ViewState.h"
#include "growth/GrowthCurves.h"
#include "lsystem/PlantState.h"

#include <string>

namespace burgeon {

// One instance of every module's state and page model: the whole process-wide state of a
// running desktop. main makes one; a test makes its own.
struct AppState {
    AppState() = default;
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // The folder the program started in: the home of "LsysExam.Lsys" and "Manual.hlp".
    std::string StartFolder;

    PlantState plant;
    PlantParameters parameters;
    SliderHeldParameters sliderHeld;
    GrowthCurves curves;
    ViewState view;
    AnimationState animation;
    MaterialSet materials;
    OrganPlacement placement;
    LeafTextures leafTextures;

    TextEditorPage textEditor;
};

} // namespace burgeon
