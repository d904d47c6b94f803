#include "pages/LSystemActions.h"

#include "base/Message.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"

namespace burgeon {

namespace {

constexpr RgbColor Black{0, 0, 0};
constexpr RgbColor Red{255, 0, 0};

void showOnParameterPage(const CompileOutcome& outcome, ParameterPage& parameters) {
    if (outcome.angle) {
        const ParameterScale& scale = *findParameterScale("turnStep");
        parameters.petioleAngleSlider.setPosition(sliderPosition(scale, *outcome.angle));
    }
    if (outcome.diameter) {
        const ParameterScale& scale = *findParameterScale("nodeDiameter");
        parameters.nodeDiameterSlider.setPosition(sliderPosition(scale, *outcome.diameter));
    }
}

} // namespace

bool compileFromEditor(LSystemEditorPage& editor, ParameterPage& parameters, PlantState& plant,
                       UserInterface& ui) {
    BusyCursor busy(ui);
    // The compilation works on a copy of the plant, apart from the user interface, so the view
    // keeps drawing the plant as it is; the copy's compiled layers replace the plant's after.
    PlantState working = plant;
    CompileOutcome outcome;
    const std::vector<std::string> lines = editor.sourceEditor.lines();
    editor.compileProgress.setPosition(0);
    ui.runStoppable(
        "Compiling the L-system\u2026",
        [&](const std::function<void(int)>& progress, const std::function<bool()>& stop) {
            RewriteControl control;
            control.progress = progress;
            control.stopRequested = stop;
            outcome = compileLSystem(lines, working, control);
        },
        [&editor](int percent) { editor.compileProgress.setPosition(percent); });
    plant.definition = working.definition;
    plant.resultString = std::move(working.resultString);
    plant.compileReport = std::move(working.compileReport);
    showCompileOutcome(editor, outcome);
    showOnParameterPage(outcome, parameters);
    showMessages(ui, outcome.messages);
    return outcome.completed;
}

void showCompileOutcome(LSystemEditorPage& editor, const CompileOutcome& outcome) {
    editor.resultsPane.setText(outcome.resultsPane);
    if (outcome.lsystemName) {
        editor.lsystemNameBox.setText(*outcome.lsystemName);
    }
    if (outcome.compilesPane) {
        editor.compilesPane.setTextColor(outcome.compilesPaneRed ? Red : Black);
        editor.compilesPane.setText(*outcome.compilesPane);
    }
    if (outcome.closedLines) {
        editor.sourceEditor.setLines(*outcome.closedLines);
    }
}

bool generateFromEditor(LSystemEditorPage& editor, PlantState& plant, float turnStep,
                        RandomSource& random, AnimationState& animation, UserInterface& ui) {
    animation.paintBusy = true;
    const GenerateOutcome outcome = generatePlant(plant, turnStep, random);
    editor.treeResultsPane.setText(outcome.treeResultsPane);
    showMessages(ui, outcome.messages);
    return outcome.completed;
}

} // namespace burgeon
