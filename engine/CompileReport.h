#pragma once

#include "base/Progress.h"
#include "engine/Outcome.h"
#include "engine/PlantRecipe.h"
#include "engine/ReportedMessages.h"
#include "lsystem/PlantState.h"

#include <cstddef>
#include <string>
#include <vector>

namespace burgeon {

class StopCondition;

// What "Compile L-system" then "Generate Plant" show, as the lsystem command reports it: the
// messages in order, the three panes, the editor's lines (with the "}" the compiler adds), the
// plant state they made (result string, node table) and the turn step and node diameter the
// header set.
struct CompileReport {
    bool completed = false;
    bool stopped = false;
    StopCause stopCause = StopCause::None;
    ReportedMessages messages;
    std::string compilesPane = "L-system Compiles";
    bool compilesPaneRed = false;
    std::string resultsPane = "L-system Results";
    std::string treePane = "Tree Results";
    std::vector<std::string> editorLines;
    PlantState plant;
    double turnStep = 0.0;
    double nodeDiameter = 0.0;
};

// Compiles the plant's L-system afresh and generates its plant with the plant's seed, as the
// lsystem command does: the header's Angle and Diameter set the turn step and node diameter,
// and messages are placed in the L-system's file. The plant takes the result only when the
// report completed. The compilation stops when the condition says so and tells its progress
// as it goes.
CompileReport compilePlant(HeadlessPlant& plant, const StopCondition& stop,
                           const ProgressCallback& progress = {});

} // namespace burgeon
