#include "cli/Commands.h"
#include "cli/CompileWatch.h"
#include "cli/FileTypeNames.h"
#include "cli/NoticePrinting.h"
#include "cli/NumberOptions.h"

#include "base/Clock.h"
#include "base/FileIo.h"
#include "base/JsonWriter.h"
#include "base/Message.h"
#include "base/RandomSource.h"
#include "base/StandardError.h"
#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"
#include "project/ParameterScales.h"

#include <climits>
#include <memory>
#include <optional>
#include <ostream>

namespace burgeon {

namespace {

const char* const LsystemUsage =
    "burgeon lsystem FILE [--block N] [--seed N] [--max-seconds S] [--json]";

// What "Compile L-system" then "Generate Plant" leave on the page and the parameters, as the
// program holds them after start-up.
struct LsystemRun {
    PlantState plant;
    PlantParameters parameters;
    Messages messages;
    std::vector<std::string> editorLines;
    std::string compilesPane = "L-system Compiles";
    bool compilesPaneRed = false;
    std::string resultsPane = "L-system Results";
    std::string treePane = "Tree Results";
    bool completed = false;
    bool stopped = false;
    // The file the lines came from and its line where they begin, for the messages' places.
    std::string file;
    std::size_t firstLine = 1;
};

void compileAndGenerate(LsystemRun& run, RandomSource& random, const RewriteControl& control) {
    const CompileOutcome compiled = compileLSystem(run.editorLines, run.plant, control);
    run.stopped = compiled.stopped;
    run.messages = compiled.messages;
    run.resultsPane = compiled.resultsPane;
    if (compiled.compilesPane) {
        run.compilesPane = *compiled.compilesPane;
        run.compilesPaneRed = compiled.compilesPaneRed;
    }
    if (compiled.angle) {
        setParameterAsSlider(run.parameters, "turnStep", *compiled.angle);
    }
    if (compiled.diameter) {
        setParameterAsSlider(run.parameters, "nodeDiameter", *compiled.diameter);
    }
    if (compiled.closedLines) {
        run.editorLines = *compiled.closedLines;
    }
    if (!compiled.completed) {
        return;
    }
    const GenerateOutcome generated = generatePlant(run.plant, run.parameters.turnStep, random);
    run.messages.insert(run.messages.end(), generated.messages.begin(), generated.messages.end());
    run.treePane = generated.treeResultsPane;
    run.completed = generated.completed;
}

void printPane(std::ostream& out, const char* heading, const std::string& text) {
    out << "== " << heading << " ==\n" << text;
    if (!text.empty() && text.back() != '\n') {
        out << '\n';
    }
}

void printText(std::ostream& out, const LsystemRun& run) {
    printMessages(out, run.messages, run.file, run.firstLine);
    printPane(out, "L-system Compiles", run.compilesPane);
    printPane(out, "L-system Results", run.resultsPane);
    printPane(out, "Tree Results", run.treePane);
}

void printJson(std::ostream& out, const LsystemRun& run) {
    const PlantState& plant = run.plant;
    JsonWriter json;
    json.beginObject();
    json.key("messages").stringArray(messageTexts(run.messages));
    json.key("compiles_pane").value(run.compilesPane);
    json.key("compiles_pane_red").value(run.compilesPaneRed);
    json.key("results_pane").value(run.resultsPane);
    json.key("tree_pane").value(run.treePane);
    json.key("editor_lines").stringArray(run.editorLines);
    json.key("result_string").value(plant.resultString);
    json.key("turn_step").value(static_cast<double>(run.parameters.turnStep));
    json.key("node_diameter").value(run.parameters.nodeDiameter);
    json.key("node_count").value(plant.nodeCount);
    json.key("main_stem_count").value(plant.mainStemCount);
    json.key("max_level").value(plant.maxLevel);
    json.key("nodes").beginArray();
    for (std::int32_t k = 1; k <= plant.nodeCount; ++k) {
        const PlantNode& node = plant.nodes[static_cast<std::size_t>(k)];
        json.beginObject();
        json.key("kind").value(std::string(1, organKindLetter(node.kind)));
        json.key("parent").value(node.parent);
        json.key("level").value(node.level);
        json.key("angle_x").value(static_cast<double>(node.angleX));
        json.key("angle_y").value(static_cast<double>(node.angleY));
        json.key("angle_z").value(static_cast<double>(node.angleZ));
        json.key("has_leaf").value(node.hasLeaf != 0);
        json.key("has_flower").value(node.hasFlower != 0);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    out << json.text() << '\n';
}

class LsystemCommand : public Command {
public:
    const char* name() const override { return "lsystem"; }
    std::string usage() const override { return LsystemUsage; }
    const char* work() const override { return "compile the L-system"; }
    const char* summary() const override {
        return "Compiles an L-system and generates its plant, printing the messages and the "
               "result panes.";
    }
    void define(CLI::App& app) override {
        app.add_option("FILE", file_, "the L-system file")->type_name(fileType("Lsys"))->required();
        app.add_option("--block", block_, "the N-th L-system of a file that holds several")
            ->check(wholeNumber(1, INT_MAX));
        app.add_option("--seed", seed_, "fixes the main stem's jitter (default: the time)")
            ->check(wholeNumber(0, INT_MAX));
        app.add_flag("--json", json_, "one JSON object instead of text");
        addMaxSecondsOption(app, maxSeconds_);
    }
    int run(std::ostream& out, std::ostream& err) override;

private:
    std::string file_;
    int block_ = 0;
    std::optional<int> seed_;
    bool json_ = false;
    std::optional<double> maxSeconds_;
};

int LsystemCommand::run(std::ostream& out, std::ostream& err) {
    std::vector<std::string> lines;
    try {
        lines = splitLines(readFileText(file_));
    } catch (const StandardError& error) {
        err << error.what() << '\n';
        return 1;
    }
    LsystemRun run;
    run.file = file_;
    if (block_ > 0) {
        const auto blocks = lsystemBlocks(lines);
        if (static_cast<std::size_t>(block_) > blocks.size()) {
            throw UsageError{"--block " + std::to_string(block_) + ": " + file_ + " holds " +
                             std::to_string(blocks.size()) + " L-system block(s)"};
        }
        const LSystemBlock& block = blocks[static_cast<std::size_t>(block_ - 1)];
        lines = block.lines;
        run.firstLine = block.firstLine;
    }

    RandomSource random(seed_ ? static_cast<std::uint32_t>(*seed_)
                              : static_cast<std::uint32_t>(SystemClock().millisecondsOfDay()));
    // The lines as the editor holds them: a trailing empty line does not survive the editor.
    run.editorLines = splitLines(joinLines(lines));
    const CompileWatch watch(maxSeconds_);
    compileAndGenerate(run, random, watch.compilation().rewriteControl());
    if (run.stopped) {
        err << "burgeon lsystem: the compilation stopped: "
            << watch.reason(watch.compilation().cause()) << '\n';
    }

    if (json_) {
        printJson(out, run);
    } else {
        printText(out, run);
    }
    return run.completed ? 0 : 1;
}

} // namespace

std::unique_ptr<Command> makeLsystemCommand() {
    return std::make_unique<LsystemCommand>();
}

} // namespace burgeon
