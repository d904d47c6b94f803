#pragma once

#include "app/cli/Arguments.h"
#include "base/Clock.h"
#include "base/RandomSource.h"
#include "base/RecordingUserInterface.h"
#include "components/LeafTextures.h"
#include "components/MaterialSet.h"
#include "components/OrganSurface.h"
#include "controls/ParameterPage.h"
#include "controls/PlantParameters.h"
#include "controls/ViewState.h"
#include "growth/GrowthCurves.h"
#include "growth/GrowthData.h"
#include "lsystem/LSystemEditorPage.h"
#include "lsystem/LSystemWorkspace.h"
#include "lsystem/PlantState.h"
#include "render/Renderer.h"
#include "render/SceneValues.h"

#include <array>
#include <iosfwd>

namespace burgeon {

// The plant inputs shared by "burgeon render" and "burgeon animate".

struct PictureSize {
    int width = 800;
    int height = 600;
};

// Everything the program holds at start-up that one frame reads.
struct RenderSession : SceneValues {
    RecordingUserInterface ui;
    ParameterPage parameterPage{parameters, ui};
    LSystemEditorPage editor{ui};
    AnimationState animation;
    RandomSource random;
    LSystemWorkspace workspace{plant, editor, parameterPage, animation, random, ui};
    GrowthData growthData;
};

PictureSize pictureSize(const Arguments& args);
std::array<double, 3> rotation(const Arguments& args);

// Seeds, compiles and generates the L-system, fits the growth data and picks the shapes, the
// leaf texture and the rotation as the options say; false after printing why not.
bool prepareRenderSession(RenderSession& session, const Arguments& args, std::ostream& err);

} // namespace burgeon
