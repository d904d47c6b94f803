#pragma once

#include "project/PlantProject.h"
#include "project/SessionChecks.h"

#include <optional>
#include <string>

namespace burgeon {

// Takes every value of a session's JSON into a project that holds the start-up values, section
// by section; keys the file leaves out keep those values. Returns the leaf texture's file name
// as the file gives it (nothing for none). Throws SessionValueError at the first value that
// cannot be taken.
std::optional<std::string> readSessionValues(const SessionJson& json, PlantProject& project,
                                             SessionChecks& checks);

} // namespace burgeon
