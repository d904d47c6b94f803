#include "cli/NumberOptions.h"

#include "base/NumberText.h"
#include "base/PrintableText.h"
#include "engine/RequestChecks.h"

#include <cmath>
#include <string>

namespace burgeon {

namespace {

std::string shownValue(const std::string& text) {
    return printableField(text);
}

} // namespace

CLI::Validator wholeNumber(std::int64_t minimum, std::int64_t maximum) {
    const std::string range = std::to_string(minimum) + " to " + std::to_string(maximum);
    return CLI::Validator(
        [minimum, maximum, range](std::string& text) -> std::string {
            double value = 0.0;
            if (!tryParseFloat(text, value) || !std::isfinite(value) ||
                value != std::floor(value) || value < static_cast<double>(minimum) ||
                value > static_cast<double>(maximum)) {
                return shownValue(text) + " is not a whole number from " + range;
            }
            // A whole number in any form ("1e2") as the option's integer reads it.
            text = std::to_string(static_cast<std::int64_t>(value));
            return {};
        },
        "in " + range);
}

CLI::Validator finiteNumber(double minimum, double maximum) {
    const std::string range = formatGeneral(minimum) + " to " + formatGeneral(maximum);
    return CLI::Validator(
        [minimum, maximum, range](std::string& text) -> std::string {
            double value = 0.0;
            if (!tryParseFloat(text, value) || !std::isfinite(value) || value < minimum ||
                value > maximum) {
                return shownValue(text) + " is not a number from " + range;
            }
            return {};
        },
        "in " + range);
}

CLI::Validator finiteNumber() {
    return CLI::Validator(
        [](std::string& text) -> std::string {
            double value = 0.0;
            if (!tryParseFloat(text, value) || !std::isfinite(value)) {
                return shownValue(text) + " is not a finite number";
            }
            return {};
        },
        "finite");
}

void addMaxSecondsOption(CLI::App& app, std::optional<double>& seconds) {
    app.add_option("--max-seconds", seconds,
                   "stops a compilation that takes longer (default: none; Ctrl-C stops it too)")
        ->check(finiteNumber(MinMaxSeconds, MaxMaxSeconds));
}

} // namespace burgeon
