#pragma once

#include "project/PlantProject.h"

#include <optional>
#include <string>

namespace burgeon {

// Whether the plant has changed since it was opened, saved or started with, compared as a
// session file would hold it. The view's clock is no change: it runs by itself.
class PlantChanges {
public:
    explicit PlantChanges(PlantProject& project) : project_(project) {}

    // The plant as it is now is the one a session holds (opened, saved, or started with).
    void markUnchanged();
    bool changed();

private:
    std::optional<std::string> savedForm();

    PlantProject& project_;
    std::optional<std::string> unchanged_;
};

} // namespace burgeon
