#include "cli/OrganOption.h"

#include "cli/Command.h"

namespace burgeon {

GrowthOrgan organFromName(const std::string& name, const std::string& option) {
    if (const auto organ = growthOrganNamed(name)) {
        return *organ;
    }
    throw UsageError{growthOrganNameError(option, name)};
}

} // namespace burgeon
