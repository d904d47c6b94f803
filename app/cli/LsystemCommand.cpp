#include "app/cli/Arguments.h"
#include "app/cli/Commands.h"

#include "base/Clock.h"
#include "base/FileIo.h"
#include "base/JsonWriter.h"
#include "base/RecordingUserInterface.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"

#include <climits>
#include <ostream>

namespace burgeon {

const char* const lsystemUsage = "burgeon lsystem FILE [--block N] [--seed N] [--json]";

namespace {

constexpr RgbColor paneRed{255, 0, 0};

// The state the two buttons act on, as the program holds it after start-up.
struct LsystemSession {
    RecordingUserInterface ui;
    PlantState plant;
    PlantParameters parameters;
    ParameterPage parameterPage{parameters, ui};
    LSystemEditorPage editor{ui};
    AnimationState animation;
    RandomSource random;
    LSystemWorkspace workspace{plant, editor, parameterPage, animation, random, ui};
};

void printPane(std::ostream& out, const char* heading, const std::string& text) {
    out << "== " << heading << " ==\n" << text;
    if (!text.empty() && text.back() != '\n') {
        out << '\n';
    }
}

void printText(std::ostream& out, const LsystemSession& session) {
    for (const std::string& message : session.ui.messages) {
        out << "message: " << message << '\n';
    }
    printPane(out, "L-system Compiles", session.editor.compilesPane.text());
    printPane(out, "L-system Results", session.editor.resultsPane.text());
    printPane(out, "Tree Results", session.editor.treeResultsPane.text());
}

void printJson(std::ostream& out, const LsystemSession& session) {
    const PlantState& plant = session.plant;
    JsonWriter json;
    json.beginObject();
    json.key("messages").stringArray(session.ui.messages);
    json.key("compiles_pane").value(session.editor.compilesPane.text());
    json.key("compiles_pane_red").value(session.editor.compilesPane.textColor() == paneRed);
    json.key("results_pane").value(session.editor.resultsPane.text());
    json.key("tree_pane").value(session.editor.treeResultsPane.text());
    json.key("editor_lines").stringArray(session.editor.sourceEditor.lines());
    json.key("result_string").value(plant.ResultString);
    json.key("turn_step").value(static_cast<double>(session.parameters.TurnStep));
    json.key("node_diameter").value(session.parameters.NodeDiameter);
    json.key("node_count").value(plant.NodeCount);
    json.key("main_stem_count").value(plant.MainStemCount);
    json.key("max_level").value(plant.MaxLevel);
    json.key("nodes").beginArray();
    for (std::int32_t k = 1; k <= plant.NodeCount; ++k) {
        const PlantNode& node = plant.Nodes[static_cast<std::size_t>(k)];
        json.beginObject();
        json.key("kind").value(std::string(1, node.Kind));
        json.key("parent").value(node.Parent);
        json.key("level").value(node.Level);
        json.key("angle_x").value(static_cast<double>(node.AngleX));
        json.key("angle_y").value(static_cast<double>(node.AngleY));
        json.key("angle_z").value(static_cast<double>(node.AngleZ));
        json.key("has_leaf").value(node.HasLeaf != 0);
        json.key("has_flower").value(node.HasFlower != 0);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    out << json.text() << '\n';
}

} // namespace

int runLsystemCommand(const std::vector<std::string>& arguments, std::ostream& out,
                      std::ostream& err) {
    const Arguments args(arguments, {"block", "seed"}, {"json"});
    if (args.positional().size() != 1) {
        throw UsageError{"expected one FILE"};
    }
    const int block = args.integerOption("block", 0, 1, INT_MAX);
    const int seed = args.integerOption("seed", -1, 0, INT_MAX);
    const std::string& fileName = args.positional()[0];

    std::vector<std::string> lines;
    try {
        lines = splitLines(readFileText(fileName));
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }
    if (block > 0) {
        const auto blocks = splitLSystemBlocks(lines);
        if (static_cast<std::size_t>(block) > blocks.size()) {
            throw UsageError{"--block " + std::to_string(block) + ": " + fileName + " holds " +
                             std::to_string(blocks.size()) + " L-system block(s)"};
        }
        lines = blocks[static_cast<std::size_t>(block - 1)];
    }

    LsystemSession session;
    session.random.seed(seed >= 0 ? static_cast<std::uint32_t>(seed)
                                  : static_cast<std::uint32_t>(SystemClock().millisecondsOfDay()));
    session.editor.sourceEditor.setLines(lines);
    const bool completed =
        pressCompileLSystem(session.workspace) && pressGeneratePlant(session.workspace);

    if (args.has("json")) {
        printJson(out, session);
    } else {
        printText(out, session);
    }
    return completed ? 0 : 1;
}

} // namespace burgeon
