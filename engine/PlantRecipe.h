#pragma once

#include "base/Clock.h"
#include "base/Progress.h"
#include "engine/Outcome.h"
#include "project/PlantProject.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

class StopCondition;

// A session given as its text rather than as a file (a plant passed to another process, a
// plant whose values were changed): the name messages call it by and the folder its leaf
// texture is named from.
struct SessionSource {
    std::string text;
    std::string name;
    std::string folder;
};

// What a plant is made from: a session file (or its text), an L-system file (or its text) with
// growth data, a shape library and a leaf texture, or a session with some of these instead of
// its own; and session values changed by their key paths. The command line's plant options and
// the Python module both fill one in.
struct PlantRecipe {
    // The session file; with a session source, the file its text came from, as messages name
    // it.
    std::string session;
    std::optional<SessionSource> sessionSource; // read instead of the session file
    std::vector<std::string> settings;          // KEY=VALUE, as --set takes them
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

// Where a plant's L-system text came from, to name the places of its messages: its file and
// the file's line the text begins on; no file for a text given as such or read from a
// session.
struct LSystemSource {
    std::string file;
    std::size_t firstLine = 1;
};

// A plant built by the engine, with the clock whose time of day moves its wind (the seed) and
// the source of its L-system.
struct HeadlessPlant {
    PlantProject project;
    FixedClock clock;
    LSystemSource lsystemSource;
};

// Reads the session, then compiles and generates the L-system, fits the growth data and picks
// the shapes, the leaf texture and the rotation as the recipe says. The plant is changed only
// when the outcome completed. A compilation stops when the condition says so and tells its
// progress as it goes.
Outcome openPlant(const PlantRecipe& recipe, HeadlessPlant& plant, const StopCondition& stop,
                  const ProgressCallback& progress = {});

} // namespace burgeon
