#pragma once

#include "base/RecordingUserInterface.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace burgeon::testing {

// One of every piece of state the L-system actions touch, wired as the program wires them.
struct LSystemFixture : ::testing::Test {
    RecordingUserInterface ui;
    PlantState plant;
    PlantParameters parameters;
    ParameterPage parameterPage{parameters, ui};
    LSystemEditorPage editor{ui};
    AnimationState animation;
    RandomSource random{12345};
    LSystemWorkspace workspace{plant, editor, parameterPage, animation, random, ui};

    // Puts the lines into the editor and presses "Compile L-system"; returns whether the
    // compilation ran to its end. The messages it showed are in `messages`.
    bool compile(const std::vector<std::string>& lines);
    // Sets ResultString and presses "Generate Plant".
    bool generate(const std::string& resultString);

    const PlantNode& node(int k) const { return plant.Nodes[static_cast<std::size_t>(k)]; }

    std::vector<std::string> messages;
};

// A header for the given axiom and rule lines, closed by "}".
std::vector<std::string> lsystemLines(const std::string& axiom,
                                      const std::vector<std::string>& ruleLines,
                                      int iterations = 1);

} // namespace burgeon::testing
