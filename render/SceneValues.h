#pragma once

#include "base/Clock.h"
#include "components/LeafTextures.h"
#include "components/MaterialSet.h"
#include "components/OrganSurface.h"
#include "controls/PlantParameters.h"
#include "controls/ViewState.h"
#include "growth/GrowthCurves.h"
#include "lsystem/PlantState.h"
#include "render/BuiltInShapes.h"
#include "render/Renderer.h"

namespace burgeon {

// Every value a frame reads, owned together with its start-up value (the built-in leaf and
// petal as surfaces, a clock that only moves when told). The command line, the render tests
// and the benchmarks draw from one; the desktop's application state owns the same values one
// by one.
struct SceneValues {
    PlantState plant;
    PlantParameters parameters;
    SliderHeldParameters sliders;
    GrowthCurves curves;
    ViewState view;
    MaterialSet materials;
    OrganSurface leaf = builtInLeaf();
    OrganSurface flower = builtInPetal();
    OrganPlacement placement;
    LeafTextures leafTextures;
    FixedClock clock;

    RenderInputs inputs() {
        RenderInputs in;
        in.plant = &plant;
        in.parameters = &parameters;
        in.sliders = &sliders;
        in.curves = &curves;
        in.view = &view;
        in.materials = &materials;
        in.leaf = &leaf;
        in.flower = &flower;
        in.placement = &placement;
        in.leafTextures = &leafTextures;
        in.clock = &clock;
        return in;
    }
};

} // namespace burgeon
