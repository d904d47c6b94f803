#pragma once

#include "base/HandlerGuard.h"
#include "base/RecordingUserInterface.h"
#include "pages/LSystemActions.h"
#include "project/PlantProject.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace burgeon::testing {

// The L-System Editor and Parameter pages over a plant, wired as the desktop wires them.
struct LSystemPageFixture : ::testing::Test {
    RecordingUserInterface ui;
    PlantProject project;
    PlantState& plant = project.plant;
    PlantParameters& parameters = project.parameters;
    ParameterPage parameterPage{parameters, ui};
    LSystemEditorPage editor{ui, project.lsystemText};
    AnimationState animation;
    RandomSource random{12345};

    // Puts the lines into the editor and presses "Compile L-system"; the messages it showed
    // are in `messages`.
    bool compile(const std::vector<std::string>& lines) {
        editor.sourceEditor.setLines(lines);
        ui.takeMessages();
        bool completed = false;
        runHandler(ui, [&] { completed = compileFromEditor(editor, parameterPage, plant, ui); });
        messages = ui.takeMessages();
        EXPECT_FALSE(ui.busy) << "the normal cursor is back";
        return completed;
    }

    // Sets resultString and presses "Generate Plant".
    bool generate(const std::string& resultString) {
        plant.resultString = resultString;
        ui.takeMessages();
        const bool completed =
            generateFromEditor(editor, plant, parameters.turnStep, random, animation, ui);
        messages = ui.takeMessages();
        return completed;
    }

    std::vector<std::string> messages;
};

} // namespace burgeon::testing
