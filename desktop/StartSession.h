#pragma once

#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// The session the desktop opens once its windows are up: the one the command line names
// ("burgeon PLANT.burgeon"), else, for "burgeon" alone, the first plant of the installed
// gallery (the first session in sessions/ of the data folder), else none.
std::optional<std::string> sessionToOpenAtStart(const std::vector<std::string>& arguments,
                                                const std::optional<std::string>& dataFolder);

} // namespace burgeon
