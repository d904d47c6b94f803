#pragma once

#include "project/SessionChecks.h"

#include <string>
#include <vector>

namespace burgeon {

// Applies "key.path=value" settings to a session's JSON: the path names a key of the session
// format (numbers index into lists: "view.rotation.1"), the value is JSON or, when it does not
// read as JSON, a text. Throws SessionValueError for a setting without "=" or with a path the
// format does not have.
void applySessionOverrides(SessionJson& json, const std::vector<std::string>& overrides);

} // namespace burgeon
