#pragma once

#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "controls/ParameterPage.h"
#include "controls/ViewState.h"
#include "lsystem/LSystemEditorPage.h"
#include "lsystem/PlantState.h"

namespace burgeon {

// What "Compile L-system" and "Generate Plant" read and write.
struct LSystemWorkspace {
    PlantState& plant;
    LSystemEditorPage& editor;
    ParameterPage& parameters;
    AnimationState& animation;
    RandomSource& random; // the main stem's jitter
    UserInterface& ui;
};

} // namespace burgeon
