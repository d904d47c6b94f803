#include "app/cli/OrganOption.h"

#include "growth/GrowthCurves.h"

#include <array>

namespace burgeon {

namespace {

// The choices by their command-line names, in GrowthOrgan order.
constexpr std::array<const char*, GrowthOrganCount + 1> organNames = {
    "internode", "petiole", "leaf-length", "leaf-width", "apex", "flower", "all"};

} // namespace

int organOption(const Arguments& args) {
    const auto name = args.option("organ");
    if (!name) {
        return static_cast<int>(GrowthOrgan::All);
    }
    for (std::size_t choice = 0; choice < organNames.size(); ++choice) {
        if (*name == organNames[choice]) {
            return static_cast<int>(choice);
        }
    }
    throw UsageError{"--organ needs one of internode, petiole, leaf-length, leaf-width, apex, "
                     "flower, all, not '" +
                     *name + "'"};
}

} // namespace burgeon
