#pragma once

#include <optional>
#include <string>
#include <vector>

namespace burgeon {

// The candidate closest to a mistyped word (fewest letters added, removed or changed), when it
// is close enough to be what was meant.
std::optional<std::string> closestMatch(const std::string& word,
                                        const std::vector<std::string>& candidates);

} // namespace burgeon
