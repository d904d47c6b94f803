#include "controls/LSystemActions.h"

#include "base/Message.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"

namespace burgeon {

namespace {

constexpr RgbColor black{0, 0, 0};
constexpr RgbColor red{255, 0, 0};

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
    RewriteControl control;
    control.progress = [&editor](int percent) { editor.compileProgress.setPosition(percent); };
    const CompileOutcome outcome = compileLSystem(editor.sourceEditor.lines(), plant, control);
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
        editor.compilesPane.setTextColor(outcome.compilesPaneRed ? red : black);
        editor.compilesPane.setText(*outcome.compilesPane);
    }
    if (outcome.closedLines) {
        editor.sourceEditor.setLines(*outcome.closedLines);
    }
}

bool generateFromEditor(LSystemEditorPage& editor, PlantState& plant, float turnStep,
                        RandomSource& random, AnimationState& animation, UserInterface& ui) {
    animation.PaintBusy = true;
    const GenerateOutcome outcome = generatePlant(plant, turnStep, random);
    editor.treeResultsPane.setText(outcome.treeResultsPane);
    showMessages(ui, outcome.messages);
    return outcome.completed;
}

} // namespace burgeon
