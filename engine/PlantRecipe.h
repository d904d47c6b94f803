#pragma once

#include "base/Clock.h"
#include "engine/Outcome.h"
#include "project/PlantProject.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

class StopCondition;

// What a plant is made from: a session file, an L-system file (or its text) with growth data,
// a shape library and a leaf texture, or a session with some of these instead of its own; and
// session values changed by their key paths. The command line's plant options and the Python
// module both fill one in.
struct PlantRecipe {
    std::string session;
    std::vector<std::string> settings; // KEY=VALUE, as --set takes them
    std::string lsystemFile;
    std::optional<std::string> lsystemText; // an L-system given as text, not as a file
    int block = 0;                          // the N-th block of a text that holds several
    std::optional<int> seed;                // default: the time of day
    std::vector<std::string> growth;        // FILE (fitted for organ) or ORGAN=FILE
    std::string organ = "all";
    std::string shapes;
    std::optional<int> leaf;
    std::optional<int> flower;
    std::optional<int> texture; // a built-in leaf texture, from 1
    std::optional<std::array<double, 3>> rotation;
    std::optional<DrawingDetail> detail; // default: the session's, else automatic
    std::string startFolder; // the folder a session names textures from; default: the current one
};

// A plant built by the engine, with the clock whose time of day moves its wind (the seed).
struct HeadlessPlant {
    PlantProject project;
    FixedClock clock;
};

// Reads the session, then compiles and generates the L-system, fits the growth data and picks
// the shapes, the leaf texture and the rotation as the recipe says. The plant is changed only
// when the outcome completed. A compilation stops when the condition says so.
Outcome openPlant(const PlantRecipe& recipe, HeadlessPlant& plant, const StopCondition& stop);

} // namespace burgeon
