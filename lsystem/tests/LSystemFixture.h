#pragma once

#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantGenerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace burgeon::testing {

// A plant and what the last compilation or generation showed.
struct LSystemFixture : ::testing::Test {
    PlantState plant;
    float turnStep = 45.0f;
    RandomSource random{12345};

    // Compiles the lines; returns whether the compilation ran to its end. Its messages are in
    // `messages`, the positions progress reported in `progress`.
    bool compile(const std::vector<std::string>& lines);
    // Sets resultString and generates the plant.
    bool generate(const std::string& resultString);

    const PlantNode& node(int k) const { return plant.nodes[static_cast<std::size_t>(k)]; }

    CompileOutcome compiled;
    GenerateOutcome generated;
    std::vector<std::string> messages;
    std::vector<int> progress;
};

// The default text of the editor.
std::vector<std::string> defaultEditorLines();

// A header for the given axiom and rule lines, closed by "}".
std::vector<std::string> lsystemLines(const std::string& axiom,
                                      const std::vector<std::string>& ruleLines,
                                      int iterations = 1);

} // namespace burgeon::testing
