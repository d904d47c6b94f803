#include "engine/CompileReport.h"

#include "base/RandomSource.h"
#include "base/TextLines.h"
#include "engine/StopCondition.h"
#include "project/PlantBuild.h"

namespace burgeon {

CompileReport compilePlant(HeadlessPlant& plant, const StopCondition& stop,
                           const ProgressCallback& progress) {
    const LSystemSource& source = plant.lsystemSource;
    PlantProject project = plant.project;
    // A fresh plant state, as a new compilation starts from: the generation's turn
    // accumulators carry over between runs otherwise.
    project.plant = PlantState{};
    RandomSource random(static_cast<std::uint32_t>(plant.clock.millisecondsOfDayValue));
    RewriteControl control = stop.rewriteControl();
    control.progress = progress;
    const BuildOutcome built = buildPlant(project, random, HeaderParameters::FromLSystem, control);

    CompileReport report;
    const CompileOutcome& compiled = built.compiled;
    report.completed = built.completed;
    report.stopped = compiled.stopped;
    report.stopCause = compiled.stopped ? stop.cause() : StopCause::None;
    report.messages = placeMessages(built.messages, source.file, source.firstLine);
    if (compiled.compilesPane) {
        report.compilesPane = *compiled.compilesPane;
        report.compilesPaneRed = compiled.compilesPaneRed;
    }
    report.resultsPane = compiled.resultsPane;
    if (!built.treeResultsPane.empty()) {
        report.treePane = built.treeResultsPane;
    }
    report.editorLines =
        compiled.closedLines ? *compiled.closedLines : splitLines(project.lsystemText);
    report.plant = project.plant;
    report.turnStep = project.parameters.turnStep;
    report.nodeDiameter = project.parameters.nodeDiameter;
    if (report.completed) {
        plant.project = std::move(project);
    }
    return report;
}

} // namespace burgeon
