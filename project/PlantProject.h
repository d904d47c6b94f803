#pragma once

#include "components/LeafTextures.h"
#include "components/MaterialSet.h"
#include "components/OrganPlacement.h"
#include "components/OrganSurface.h"
#include "lsystem/PlantState.h"
#include "project/AnimationSettings.h"
#include "project/PlantGrowth.h"
#include "project/PlantParameters.h"
#include "project/ViewState.h"

#include <string>

namespace burgeon {

// Everything one plant is made of: the L-system and what was compiled and generated from it,
// the parameters, the growth of each organ class, the colours, the leaf and flower surfaces
// with their placement, the leaf texture, the view and the animation settings. The desktop's
// pages edit it, every frame reads it, the command line builds it from its options, and a
// session file is its saved form.
struct PlantProject {
    std::string lsystemText;
    PlantState plant;
    PlantParameters parameters;
    PlantGrowth growth;
    MaterialSet materials;
    OrganSurface leaf;
    OrganSurface flower;
    OrganPlacement placement;
    LeafTextures leafTextures;
    ViewState view;
    AnimationSettings animation;
};

} // namespace burgeon
