#pragma once

#include "drawing/RecordingTarget.h"

#include <string>
#include <vector>

namespace burgeon {

// The organs of one recorded frame as CSV: a header line, then one row per segment, leaf or
// flower in drawing order with the node, its organ (the node's kind, "L" or "F"), level and
// age, the shape's three arguments and its two end points in scene coordinates. Numbers read
// back to the same double.
std::string organTableCsv(const std::vector<RecordedOrgan>& organs);

} // namespace burgeon
