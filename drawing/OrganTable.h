#pragma once

#include "drawing/RecordingTarget.h"

#include <cstdint>
#include <string>
#include <vector>

namespace burgeon {

// One row of the organ table: a segment, leaf or flower drawn, with the node, its organ (the
// node's kind, or 'L' and 'F' for a leaf and a flower), level and age, the shape's three
// arguments and its two end points in scene coordinates. Plain numbers, so that other front
// ends can hand the rows on as they are (the organ letter as a 32-bit character).
struct OrganTableRow {
    std::int32_t node = 0;
    char32_t organ = 0;
    std::int32_t level = 0;
    double age = 0.0;
    double a = 0.0;
    double b = 0.0;
    double c = 0.0;
    double x0 = 0.0;
    double y0 = 0.0;
    double z0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    double z1 = 0.0;
};

// The rows of one recorded frame in drawing order: every shape of a node but the land.
std::vector<OrganTableRow> organTableRows(const std::vector<RecordedOrgan>& organs);

// The same rows as CSV: a header line naming the columns, then one line per row. Numbers read
// back to the same double.
std::string organTableCsv(const std::vector<OrganTableRow>& rows);
std::string organTableCsv(const std::vector<RecordedOrgan>& organs);

} // namespace burgeon
