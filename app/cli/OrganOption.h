#pragma once

#include "app/cli/Arguments.h"

namespace burgeon {

// The "Select Function" choice named by --organ (internode, petiole, leaf-length, leaf-width,
// apex, flower or all), as a GrowthOrgan value; "all" when the option is absent.
int organOption(const Arguments& args);

} // namespace burgeon
