#include "growth/GrowthOrganNames.h"

namespace burgeon {

const std::vector<std::string>& growthOrganNames() {
    static const std::vector<std::string> names = {
        "internode", "petiole", "leaf-length", "leaf-width", "apex", "flower", "all"};
    return names;
}

std::optional<GrowthOrgan> growthOrganNamed(const std::string& name) {
    const auto& names = growthOrganNames();
    for (std::size_t choice = 0; choice < names.size(); ++choice) {
        if (name == names[choice]) {
            return static_cast<GrowthOrgan>(choice);
        }
    }
    return std::nullopt;
}

std::string growthOrganNameError(const std::string& option, const std::string& name) {
    return option +
           " needs one of internode, petiole, leaf-length, leaf-width, apex, flower, all, not '" +
           name + "'";
}

} // namespace burgeon
