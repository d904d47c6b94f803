#include "app/cli/OrganOption.h"

#include "app/cli/Command.h"

namespace burgeon {

const std::vector<std::string>& organNames() {
    static const std::vector<std::string> names = {
        "internode", "petiole", "leaf-length", "leaf-width", "apex", "flower", "all"};
    return names;
}

GrowthOrgan organFromName(const std::string& name, const std::string& option) {
    const auto& names = organNames();
    for (std::size_t choice = 0; choice < names.size(); ++choice) {
        if (name == names[choice]) {
            return static_cast<GrowthOrgan>(choice);
        }
    }
    throw UsageError{option +
                     " needs one of internode, petiole, leaf-length, leaf-width, apex, "
                     "flower, all, not '" +
                     name + "'"};
}

} // namespace burgeon
