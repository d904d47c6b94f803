#include "base/RandomSource.h"
#include "base/TextLines.h"
#include "fuzz/FuzzEntries.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"
#include "project/ParameterScales.h"
#include "project/PlantParameters.h"

namespace burgeon {

namespace {

// A hundredth of the program's limit, and "Stop" pressed after so many rules applied: each
// rule applied copies the string once, so no input does more than 25 million characters of
// rewriting, well within the fuzz run's second. A longer compilation is no fault (the program
// shows its progress and can stop it); stopping it runs the path "Stop" takes.
constexpr std::size_t FuzzMaxResultLength = 100'000;
constexpr int FuzzMaxRulesApplied = 250;

// The node table the renderer walks: each node's parent comes before it and levels stay
// within the plant's deepest level.
void checkNodes(const PlantState& plant) {
    if (plant.nodeCount < 0 || plant.nodeCount > MaxNodes) {
        throw FuzzFinding("the node count left the table");
    }
    for (std::int32_t k = 1; k <= plant.nodeCount; ++k) {
        const PlantNode& node = plant.nodes[static_cast<std::size_t>(k)];
        if (node.parent < 0 || node.parent >= k) {
            throw FuzzFinding("a node's parent does not come before it");
        }
        if (node.level < 0 || node.level > plant.maxLevel) {
            throw FuzzFinding("a node's level is beyond the plant's deepest level");
        }
    }
}

} // namespace

// "Compile L-system" then "Generate Plant" as `burgeon lsystem` runs them on a file's lines.
void runLSystemInput(std::string_view bytes) {
    const std::vector<std::string> lines = splitLines(bytes);
    PlantState plant;
    PlantParameters parameters;
    RewriteControl control;
    control.maxLength = FuzzMaxResultLength;
    int rulesApplied = 0;
    control.stopRequested = [&rulesApplied] { return ++rulesApplied > FuzzMaxRulesApplied; };
    const CompileOutcome compiled = compileLSystem(lines, plant, control);
    if (compiled.angle) {
        setParameterAsSlider(parameters, "turnStep", *compiled.angle);
    }
    if (!compiled.completed) {
        if (compiled.messages.empty()) {
            throw FuzzFinding("a failed compilation shows no message");
        }
        if (compiled.stopped && !plant.resultString.empty()) {
            throw FuzzFinding("a stopped compilation changed the result string");
        }
        return;
    }
    if (plant.resultString.size() > FuzzMaxResultLength) {
        throw FuzzFinding("the result string is longer than its limit");
    }
    RandomSource random(static_cast<std::uint32_t>(bytes.size()));
    const GenerateOutcome generated = generatePlant(plant, parameters.turnStep, random);
    if (!generated.completed && generated.messages.empty()) {
        throw FuzzFinding("a rejected result string shows no message");
    }
    checkNodes(plant);
}

} // namespace burgeon
