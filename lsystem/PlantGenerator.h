#pragma once

#include "base/Message.h"
#include "base/RandomSource.h"
#include "lsystem/PlantState.h"

#include <string>

#include <string_view>

namespace burgeon {

// The organ symbols: each creates one node.
bool isOrganSymbol(char c);

// The 15 symbols a result string may hold.
bool isPlantSymbol(char c);

// What one generation shows: its messages in order and the text of the "Tree Results" pane.
struct GenerateOutcome {
    bool completed = false; // false when the string was rejected (the plant is then empty)
    Messages messages;
    std::string treeResultsPane;
};

// "Generate Plant": turns the plant's resultString into its node table, turning by turnStep
// degrees per turn symbol; the main stem's jitter comes from random.
GenerateOutcome generatePlant(PlantState& plant, float turnStep, RandomSource& random);

} // namespace burgeon
