#pragma once

#include "app/cli/Command.h"
#include "base/Clock.h"
#include "project/PlantProject.h"

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// The options of the commands that draw a plant ("render", "animate", "export"): the plant
// from a session file, from an L-system file and growth data, or both (an option given on the
// command line overrides the session's value).
struct PlantOptions {
    std::string session;
    std::vector<std::string> settings; // --set KEY=VALUE
    std::string lsystem;
    int block = 0;
    std::optional<int> seed;
    std::vector<std::string> growth; // FILE or ORGAN=FILE
    std::string organ = "all";
    std::string shapes;
    std::optional<int> leaf;
    std::optional<int> flower;
    std::optional<int> texture;
    std::string rotate; // X,Y,Z
    std::optional<double> maxSeconds;

    void define(CLI::App& app);
};

struct PictureSize {
    int width = 800;
    int height = 600;
};

// "WIDTHxHEIGHT", each side 1..8192; throws UsageError.
PictureSize parsePictureSize(const std::string& text);
// "X,Y,Z" in degrees; throws UsageError.
std::array<double, 3> parseRotation(const std::string& text);

// A plant built from the options, with the clock whose time of day moves the wind.
struct CommandPlant {
    PlantProject project;
    FixedClock clock;
};

// Reads the session, then compiles and generates the L-system, fits the growth data and picks
// the shapes, the leaf texture and the rotation as the options say; false after printing why
// not (after the name of the command that asked). Bad options throw UsageError.
bool buildPlantFromOptions(CommandPlant& plant, const PlantOptions& options,
                           const std::string& command, std::ostream& err);

} // namespace burgeon
