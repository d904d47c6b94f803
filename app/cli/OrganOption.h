#pragma once

#include "growth/GrowthCurves.h"

#include <string>
#include <vector>

namespace burgeon {

// The organ classes by their command-line names (internode, petiole, leaf-length, leaf-width,
// apex, flower, all), in GrowthOrgan order.
const std::vector<std::string>& organNames();

// The organ a name gives; throws UsageError naming the option for another text.
GrowthOrgan organFromName(const std::string& name, const std::string& option);

} // namespace burgeon
