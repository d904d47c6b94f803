#pragma once

#include "app/cli/Arguments.h"
#include "base/Clock.h"
#include "project/PlantProject.h"

#include <array>
#include <iosfwd>
#include <string>

namespace burgeon {

// The plant options shared by the commands that draw a plant ("render", "animate").

struct PictureSize {
    int width = 800;
    int height = 600;
};

PictureSize pictureSize(const Arguments& args);
std::array<double, 3> rotation(const Arguments& args);

// A plant built from the options, with the clock whose time of day moves the wind.
struct CommandPlant {
    PlantProject project;
    FixedClock clock;
};

// Seeds, compiles and generates the L-system, fits the growth data and picks the shapes, the
// leaf texture and the rotation as the options say; false after printing why not (after the
// name of the command that asked).
bool buildPlantFromOptions(CommandPlant& plant, const Arguments& args, const std::string& command,
                           std::ostream& err);

} // namespace burgeon
