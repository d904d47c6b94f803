#pragma once

#include "growth/GrowthOrganNames.h"

#include <string>

namespace burgeon {

// The organ a name gives; throws UsageError naming the option for another text.
GrowthOrgan organFromName(const std::string& name, const std::string& option);

} // namespace burgeon
