#pragma once

#include "lsystem/LSystemWorkspace.h"

#include <string_view>

namespace burgeon {

// The organ symbols: each creates one node.
bool isOrganSymbol(char c);

// The 15 symbols a result string may hold.
bool isPlantSymbol(char c);

// "Generate Plant": turns ResultString into the node table. Returns true when it ran to its
// end; false when the string was rejected (the plant is then empty).
bool generatePlant(LSystemWorkspace& workspace);

// The button: generatePlant behind the handler guard. True when it ran to its end.
bool pressGeneratePlant(LSystemWorkspace& workspace);

} // namespace burgeon
