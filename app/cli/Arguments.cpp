#include "app/cli/Arguments.h"

#include "base/NumberText.h"

namespace burgeon {

Arguments::Arguments(const std::vector<std::string>& arguments,
                     const std::set<std::string>& options, const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument.rfind("--", 0) != 0 || argument == "--") {
            positional_.push_back(argument);
            continue;
        }
        std::string name = argument.substr(2);
        std::optional<std::string> inlineValue;
        if (const auto equals = name.find('='); equals != std::string::npos) {
            inlineValue = name.substr(equals + 1);
            name = name.substr(0, equals);
        }
        if (flags.count(name) != 0 && !inlineValue) {
            flags_.insert(name);
        } else if (options.count(name) != 0) {
            if (inlineValue) {
                options_[name] = *inlineValue;
            } else if (i + 1 < arguments.size()) {
                options_[name] = arguments[++i];
            } else {
                throw UsageError{"option --" + name + " needs a value"};
            }
        } else {
            throw UsageError{"unknown option --" + name};
        }
    }
}

bool Arguments::has(const std::string& name) const {
    return flags_.count(name) != 0 || options_.count(name) != 0;
}

std::optional<std::string> Arguments::option(const std::string& name) const {
    const auto found = options_.find(name);
    if (found == options_.end()) {
        return std::nullopt;
    }
    return found->second;
}

int Arguments::integerOption(const std::string& name, int fallback, int minimum,
                             int maximum) const {
    const auto text = option(name);
    if (!text) {
        return fallback;
    }
    std::int32_t value = 0;
    if (!tryParseInteger(*text, value) || value < minimum || value > maximum) {
        throw UsageError{"--" + name + " needs a whole number from " + std::to_string(minimum) +
                         " to " + std::to_string(maximum) + ", not '" + *text + "'"};
    }
    return value;
}

double Arguments::numberOption(const std::string& name, double fallback) const {
    const auto text = option(name);
    if (!text) {
        return fallback;
    }
    double value = 0.0;
    if (!tryParseFloat(*text, value)) {
        throw UsageError{"--" + name + " needs a number, not '" + *text + "'"};
    }
    return value;
}

} // namespace burgeon
