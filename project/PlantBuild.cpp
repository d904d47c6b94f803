#include "project/PlantBuild.h"

#include "base/TextLines.h"
#include "growth/GrowthFit.h"
#include "lsystem/PlantGenerator.h"
#include "project/ParameterScales.h"

namespace burgeon {

BuildOutcome buildPlant(PlantProject& project, RandomSource& random, HeaderParameters source,
                        const RewriteControl& control) {
    BuildOutcome outcome;
    const PlantParameters held = project.parameters;
    outcome.compiled = compileLSystem(splitLines(project.lsystemText), project.plant, control);
    const CompileOutcome& compiled = outcome.compiled;
    if (source == HeaderParameters::FromProject) {
        project.parameters = held;
    } else {
        if (compiled.angle) {
            setParameterAsSlider(project.parameters, "turnStep", *compiled.angle);
        }
        if (compiled.diameter) {
            setParameterAsSlider(project.parameters, "nodeDiameter", *compiled.diameter);
        }
    }
    outcome.messages = compiled.messages;
    if (!compiled.completed) {
        return outcome;
    }
    const GenerateOutcome generated =
        generatePlant(project.plant, project.parameters.turnStep, random);
    outcome.messages.insert(outcome.messages.end(), generated.messages.begin(),
                            generated.messages.end());
    outcome.treeResultsPane = generated.treeResultsPane;
    outcome.completed = generated.completed;
    return outcome;
}

Messages refitMeasuredSeries(PlantProject& project) {
    PlantGrowth& growth = project.growth;
    if (!growth.fittedOrgan) {
        return {};
    }
    const auto index = *growth.fittedOrgan == GrowthOrgan::All
                           ? std::size_t{0}
                           : static_cast<std::size_t>(*growth.fittedOrgan);
    if (index >= growth.data.size() || growth.data[index].empty()) {
        return {};
    }
    return fitGrowthData(splitLines(growth.data[index]), growth.fittedData).messages;
}

} // namespace burgeon
