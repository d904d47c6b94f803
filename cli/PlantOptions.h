#pragma once

#include "cli/Command.h"
#include "cli/CompileWatch.h"
#include "engine/PlantRecipe.h"
#include "imageio/PictureSize.h"

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// The options of the commands that draw a plant ("render", "animate", "export", "session
// save"): the plant from a session file, from an L-system file and growth data, or both (an
// option given on the command line overrides the session's value).
struct PlantOptions {
    PlantRecipe recipe;
    std::string rotate; // X,Y,Z
    std::string detail; // full or auto
    std::optional<double> maxSeconds;

    void define(CLI::App& app);
};

// "WIDTHxHEIGHT", each side 1..8192; throws UsageError.
PictureSize parsePictureSize(const std::string& text);
// "X,Y,Z" in degrees; throws UsageError.
std::array<double, 3> parseRotation(const std::string& text);

// Builds the plant the options describe (openPlant), printing what it tells after the name of
// the command that asked; false when it gave no plant. A request the engine refuses throws
// UsageError.
bool buildPlantFromOptions(HeadlessPlant& plant, const PlantOptions& options,
                           const std::string& command, const CompileWatch& watch,
                           std::ostream& err);

} // namespace burgeon
