#pragma once

#include "growth/GrowthCurves.h"

#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// The organ classes by the names the command line and the Python module give them
// (internode, petiole, leaf-length, leaf-width, apex, flower, all), in GrowthOrgan order.
const std::vector<std::string>& growthOrganNames();

// The organ a name gives; nothing for another text.
std::optional<GrowthOrgan> growthOrganNamed(const std::string& name);

// "needs one of internode, petiole, ..., all, not 'NAME'", after the option or argument that
// took the name.
std::string growthOrganNameError(const std::string& option, const std::string& name);

} // namespace burgeon
