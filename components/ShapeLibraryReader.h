#pragma once

#include "components/OrganShape.h"

#include <string_view>
#include <vector>

namespace burgeon {

// Reads the text of a shape library file into `entries`, which the caller has emptied. Lines
// of "key=value": "name" starts an entry, "source", "point" and "triangle" fill the current
// one; keys are compared without case and are not trimmed, other lines are skipped.
//
// The reading stops at the first line it cannot take and throws StandardError with the
// message: a field that is no number ("'%s' is not a valid floating point value" or "'%s' is
// not a valid integer value"), or "Shape library error in line N: ..." for a line that breaks
// the format's limits. The error carries the line's number (StandardError::lineNumber). The
// entries read before that line stay in `entries`.
void readShapeLibrary(std::string_view text, std::vector<OrganShape>& entries);

} // namespace burgeon
