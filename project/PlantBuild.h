#pragma once

#include "base/Message.h"
#include "base/RandomSource.h"
#include "lsystem/LSystemCompiler.h"
#include "project/PlantProject.h"

namespace burgeon {

// Where the turn step and node diameter come from when a plant is built: from the L-system's
// "Angle" and "Diameter" lines, as "Compile L-system" sets their sliders, or as the project
// holds them (a session file keeps the values the plant was drawn with).
enum class HeaderParameters { FromLSystem, FromProject };

// What building a plant showed: the compilation's outcome and every message of the
// compilation and the generation, in order.
struct BuildOutcome {
    bool completed = false;
    CompileOutcome compiled;
    Messages messages;
    std::string treeResultsPane;
};

// "Compile L-system" then "Generate Plant" on the project's L-system text; the main stem's
// jitter comes from random.
BuildOutcome buildPlant(PlantProject& project, RandomSource& random, HeaderParameters source,
                        const RewriteControl& control = {});

// Fits again the data the measured series came from, so lifeCycleTime and the plots are as
// after that fit; the curves stay as the project holds them. Nothing to do without data.
Messages refitMeasuredSeries(PlantProject& project);

} // namespace burgeon
